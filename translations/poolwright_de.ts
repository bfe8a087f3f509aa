<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlkalinityWindow</name>
    <message>
        <source>The rise in total alkalinity you want, in ppm.</source>
        <translation>Der gewünschte Anstieg des TA-Werts (Gesamtalkalinität) in mg/l.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in pounds and ounces.</source>
        <translation>Zuzugebendes Natron (Natriumhydrogencarbonat, TA-Plus), in Pfund und Unzen.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in kilograms.</source>
        <translation>Zuzugebendes Natron (Natriumhydrogencarbonat, TA-Plus), in Kilogramm.</translation>
    </message>
</context>
<context>
    <name>BoraxWindow</name>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in ounces by weight.</source>
        <translation>Zuzugebendes Borax (Natriumtetraborat-Decahydrat), in Unzen (Gewicht).</translation>
    </message>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in kilograms.</source>
        <translation>Zuzugebendes Borax (Natriumtetraborat-Decahydrat), in Kilogramm.</translation>
    </message>
    <message>
        <source>The tetraborate that the borax adds, in ppm. Test kits give borates as ppm of boron, about 0.28 times this figure.</source>
        <translation>Das Tetraborat, das durch das Borax hinzukommt, in mg/l. Testsätze geben Borate als mg/l Bor an, etwa das 0,28-Fache dieses Werts.</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Borax (Na-Tetraborat) (oz)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (k)</source>
        <translation>Borax (Na-Tetraborat) (kg)</translation>
    </message>
</context>
<context>
    <name>CalciumWindow</name>
    <message>
        <source>The rise in calcium hardness you want, in ppm.</source>
        <translation>Der gewünschte Anstieg der Calciumhärte in mg/l.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the dihydrate below, not both.</source>
        <translation>Zuzugebendes wasserfreies Calciumchlorid, in Pfund und Unzen. Dieses oder das Dihydrat darunter zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate below, not both.</source>
        <translation>Zuzugebendes wasserfreies Calciumchlorid, in Kilogramm. Dieses oder das Dihydrat darunter zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in pounds and ounces. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Zuzugebendes Calciumchlorid-Dihydrat, in Pfund und Unzen. Dieses oder das wasserfreie Calciumchlorid darüber zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Zuzugebendes Calciumchlorid-Dihydrat, in Kilogramm. Dieses oder das wasserfreie Calciumchlorid darüber zugeben, nicht beide.</translation>
    </message>
</context>
<context>
    <name>CyanuricWindow</name>
    <message>
        <source>The rise in cyanuric acid (stabiliser) you want, in ppm.</source>
        <translation>Der gewünschte Anstieg der Cyanursäure (Stabilisator) in mg/l.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in pounds and ounces.</source>
        <translation>Zuzugebende Cyanursäure (Stabilisator), in Pfund und Unzen.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in kilograms.</source>
        <translation>Zuzugebende Cyanursäure (Stabilisator), in Kilogramm.</translation>
    </message>
</context>
<context>
    <name>DilutionWindow</name>
    <message>
        <source>The pool water&apos;s test reading of what is too high, in ppm.</source>
        <translation>Der Messwert des zu hohen Stoffs im Beckenwasser, in mg/l.</translation>
    </message>
    <message>
        <source>The refill water&apos;s test reading of the same, in ppm.</source>
        <translation>Der Messwert desselben Stoffs im Füllwasser, in mg/l.</translation>
    </message>
    <message>
        <source>The reading you want after draining and refilling, in ppm.</source>
        <translation>Der gewünschte Wert nach Ablassen und Nachfüllen, in mg/l.</translation>
    </message>
    <message>
        <source>The share of the pool to drain and refill, as a fraction: 0.44 means 44 % of the pool.</source>
        <translation>Der abzulassende und nachzufüllende Anteil des Beckens als Bruchteil: 0,44 bedeutet 44&#xa0;% des Beckens.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in US gallons.</source>
        <translation>Das abzulassende und nachzufüllende Wasser, in US-Gallonen.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in litres.</source>
        <translation>Das abzulassende und nachzufüllende Wasser, in Litern.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright!</translation>
    </message>
    <message>
        <source>Poolwright</source>
        <translation>Poolwright</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>Chlorine Strength (enter 6% as 6)</source>
        <translation>Chlorgehalt (6&#xa0;% = 6 eingeben)</translation>
    </message>
    <message>
        <source>Quantity of bleach  (gal.)</source>
        <translation>Flüssigchlor (gal)</translation>
    </message>
    <message>
        <source>PPM Increase desired</source>
        <translation>Gewünschter Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>PPM Increase</source>
        <translation>Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>Bleach required</source>
        <translation>Benötigtes Chlor</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>More Calcs</source>
        <translation>Weitere Berechnungen</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Salt Calcs</source>
        <translation>Salzberechnung</translation>
    </message>
    <message>
        <source>Salt Calculator</source>
        <translation>Salzrechner</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Salz (lb)</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>PPM Increase Desired</source>
        <translation>Soll-Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>Salt PPM will go up by</source>
        <translation>Salz steigt um (mg/l)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Salz nötig (lb)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Poolwright Defaults</source>
        <translation>Poolwright-Voreinstellungen</translation>
    </message>
    <message>
        <source>Default Pool Size</source>
        <translation>Standardinhalt</translation>
    </message>
    <message>
        <source>Default Bleach Strength</source>
        <translation>Standard-Chlorgehalt</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Unit of measure</source>
        <translation>Maßeinheiten</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>Form12</name>
    <message>
        <source>Form12</source>
        <translation>Form12</translation>
    </message>
    <message>
        <source>Langelier Saturation Index</source>
        <translation>Langelier-Index</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH-Wert</translation>
    </message>
    <message>
        <source>Temp, Deg F</source>
        <translation>Temp., °F</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Calciumhärte</translation>
    </message>
    <message>
        <source>Total Alkalinity</source>
        <translation>Gesamtalkalinität</translation>
    </message>
    <message>
        <source>Command1</source>
        <translation>Command1</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright!</translation>
    </message>
    <message>
        <source>A real simple tool to help you calculate bleach additions</source>
        <translation>Ein ganz einfaches Werkzeug zum Dosieren von Chlor</translation>
    </message>
    <message>
        <source>By using this tool, you accept all responsibilities for the results.  There are no warranties expressed or implied to its function.  </source>
        <translation>Mit der Nutzung übernehmen Sie die volle Verantwortung für die Ergebnisse. Keine Gewährleistung.</translation>
    </message>
    <message>
        <source>Basically, if you screw your pool up, it&apos;s your own darn fault!</source>
        <translation>Kurz gesagt: Wenn Sie Ihren Pool ruinieren, sind Sie selbst schuld!</translation>
    </message>
    <message>
        <source>Would you like a calculation added? E-mail your request to poolwright@example.org</source>
        <translation>Fehlt Ihnen eine Berechnung? Schreiben Sie an poolwright@example.org</translation>
    </message>
    <message>
        <source>Do you just use this, but don&apos;t have any suggestions?  That&apos;s cool, drop me a line anyway to let me know you&apos;re using it!</source>
        <translation>Sie nutzen es ohne Vorschläge? Prima, schreiben Sie mir trotzdem, dass Sie es nutzen!</translation>
    </message>
    <message>
        <source>Test your water again after adding any chemical.</source>
        <translation>Messen Sie das Wasser nach jeder Zugabe erneut.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Alkalinity calculation</source>
        <translation>TA-Wert-Berechnung</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>TA-Wert</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Gewünschter Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>RAISE</source>
        <translation>HEBEN</translation>
    </message>
    <message>
        <source>with Sodium Bicarbonate</source>
        <translation>mit Natron</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Calcium Hardness calcs</source>
        <translation>Calciumhärte-Berechnung</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Calciumhärte</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Gewünschter Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>Calcium Chloride</source>
        <translation>Calciumchlorid</translation>
    </message>
    <message>
        <source>Calcium Chloride Dihydrate</source>
        <translation>Calciumchlorid-Dihydrat</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Cyanuric Acid Calc</source>
        <translation>Stabilisator-Berechnung</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Cyanursäure</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Gewünschter Anstieg (mg/l)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>pH Calcs</source>
        <translation>pH-Berechnung</translation>
    </message>
    <message>
        <source>These calcs assume ALK isn&apos;t really high or low, as alk will DEFINITELY affect how much the pH moves</source>
        <translation>Gilt für normale Alkalinität: Sie beeinflusst STARK, wie sehr sich der pH-Wert ändert</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>RAISE pH 0.2</source>
        <translation>pH UM 0,2 HEBEN</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Natriumcarbonat (oz)</translation>
    </message>
    <message>
        <source>(This is Soda Ash, NOT borax!)</source>
        <translation>(Das ist Soda, KEIN Borax!)</translation>
    </message>
    <message>
        <source>LOWER pH 0.2</source>
        <translation>pH UM 0,2 SENKEN</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Natriumhydrogensulfat (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Salzsäure 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Dilution Calcs</source>
        <translation>Verdünnung</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>Test reading from the pool in PPM</source>
        <translation>Messwert im Becken (mg/l)</translation>
    </message>
    <message>
        <source>Test reading of the refill water in PPM</source>
        <translation>Messwert des Füllwassers (mg/l)</translation>
    </message>
    <message>
        <source>PPM you want to be at</source>
        <translation>Gewünschter Wert (mg/l)</translation>
    </message>
    <message>
        <source>Percentage to drain</source>
        <translation>Anteil zum Ablassen</translation>
    </message>
    <message>
        <source>Volume to drain</source>
        <translation>Menge zum Ablassen</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>ODER</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Borax Calcs</source>
        <translation>Borax-Berechnung</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borax</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Borax (Na-Tetraborat) (oz)</translation>
    </message>
    <message>
        <source>Tetraborates PPM added</source>
        <translation>Tetraborat (mg/l)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
    <message>
        <source>This is for calculating how much borax to add to function as an additional algaecide, not pH changes.  Reccomended target PPM is 50.</source>
        <translation>Berechnet die Boraxmenge als zusätzliches Algizid, nicht zur pH-Korrektur. Empfohlener Zielwert: 50 mg/l.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Volume Calcs</source>
        <translation>Inhaltsberechnung</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Beckeninhalt</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Berechnen!</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Avg Depth</source>
        <translation>Mittl. Tiefe</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchm.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Alle Maße in FUSS, Volumen in GALLONEN</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chlorine strength of the bleach, in percent: for 6 % bleach type 6.</source>
        <translation>Der Chlorgehalt des Flüssigchlors in Prozent: für 6-prozentiges Chlor 6 eingeben.</translation>
    </message>
    <message>
        <source>An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.</source>
        <translation>Eine Menge Flüssigchlor in US-Gallonen: Berechnen ergibt den Chloranstieg, den sie bewirkt.</translation>
    </message>
    <message>
        <source>An amount of bleach, in litres: Calculate gives the rise in chlorine it makes.</source>
        <translation>Eine Menge Flüssigchlor in Litern: Berechnen ergibt den Chloranstieg, den sie bewirkt.</translation>
    </message>
    <message>
        <source>The rise in chlorine you want, in ppm: Calculate gives the bleach it takes.</source>
        <translation>Der gewünschte Chloranstieg in mg/l: Berechnen ergibt die nötige Menge Flüssigchlor.</translation>
    </message>
    <message>
        <source>The rise in chlorine, in ppm, that the amount of bleach makes.</source>
        <translation>Der Chloranstieg in mg/l, den die Menge Flüssigchlor bewirkt.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons to a tenth.</source>
        <translation>Das zuzugebende Flüssigchlor des angegebenen Gehalts, in US-Gallonen auf ein Zehntel.</translation>
    </message>
    <message>
        <source>The bleach to add in US gallons, worked out in Imperial only: the litres show in the box above.</source>
        <translation>Das zuzugebende Flüssigchlor in US-Gallonen, nur imperial berechnet: Die Liter stehen im Feld darüber.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons, quarts, cups and fluid ounces.</source>
        <translation>Das zuzugebende Flüssigchlor des angegebenen Gehalts, in US-Gallonen, Quarts, Cups und Flüssigunzen.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in litres to a tenth.</source>
        <translation>Das zuzugebende Flüssigchlor des angegebenen Gehalts, in Litern auf ein Zehntel.</translation>
    </message>
    <message>
        <source>Quantity of bleach (Gal.)</source>
        <translation>Flüssigchlor (gal)</translation>
    </message>
    <message>
        <source>Quantity of bleach (L)</source>
        <translation>Flüssigchlor (l)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alkalinität</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Calciumhärte</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Cyanursäure</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH-Wert</translation>
    </message>
    <message>
        <source>Dilution</source>
        <translation>Verdünnung</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borax</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Beckeninhalt</translation>
    </message>
    <message>
        <source>Salt Calcs</source>
        <translation>Salzberechnung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Saturation Index</source>
        <translation>Sättigungsindex</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error number %1 (0x%2)</source>
        <translation>Fehlernummer %1 (0x%2)</translation>
    </message>
    <message>
        <source>A white box is empty. Please fill in a number before hitting calculate!</source>
        <translation>Ein weißes Feld ist leer. Bitte eine Zahl eingeben, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>A box holds only blanks, which is not a number. Please enter a number before hitting calculate!</source>
        <translation>Ein Feld enthält nur Leerzeichen, das ist keine Zahl. Bitte eine Zahl eingeben, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Please enter a number before hitting calculate!</source>
        <translation>„%1“ ist keine Zahl. Bitte eine Zahl eingeben, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>The pool size may not be 0.</source>
        <translation>Der Beckeninhalt darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>The bleach required cannot be worked out for a chlorine strength of 0.</source>
        <translation>Die nötige Menge Flüssigchlor lässt sich bei einem Chlorgehalt von 0 nicht berechnen.</translation>
    </message>
    <message>
        <source>The share to drain cannot be worked out when the refill water reads the same as the pool.</source>
        <translation>Der abzulassende Anteil lässt sich nicht berechnen, wenn das Füllwasser denselben Messwert hat wie das Becken.</translation>
    </message>
    <message>
        <source>The result is too large to be worked out. Please check the figures in the white boxes.</source>
        <translation>Das Ergebnis ist zu groß, um berechnet zu werden. Bitte die Zahlen in den weißen Feldern prüfen.</translation>
    </message>
    <message>
        <source>Please fill in all white boxes before hitting calculate!</source>
        <translation>Bitte alle weißen Felder ausfüllen, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>Please fill in all fields before hitting calculate!</source>
        <translation>Bitte alle Felder ausfüllen, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>Please fill in how much PPM increase is required before hitting calculate!</source>
        <translation>Bitte den nötigen Anstieg in mg/l eingeben, bevor Sie auf Berechnen klicken!</translation>
    </message>
    <message>
        <source>Please choose Imperial or Metric before hitting Save &amp; Close!</source>
        <translation>Bitte Imperial oder Metrisch wählen, bevor Sie auf Speichern klicken!</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved. What you typed is kept, so you can try again.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Ihre Eingaben bleiben erhalten, Sie können es erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>PhWindow</name>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.</source>
        <translation>Natriumcarbonat (Soda, pH-Plus), das den pH-Wert um 0,2 hebt, in Unzen (Gewicht).</translation>
    </message>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.</source>
        <translation>Natriumcarbonat (Soda, pH-Plus), das den pH-Wert um 0,2 hebt, in Gramm.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or the muriatic acid, not both.</source>
        <translation>Natriumhydrogensulfat (pH-Minus-Granulat), das den pH-Wert um 0,2 senkt, in Unzen (Gewicht). Dieses oder die Salzsäure zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the muriatic acid, not both.</source>
        <translation>Natriumhydrogensulfat (pH-Minus-Granulat), das den pH-Wert um 0,2 senkt, in Gramm. Dieses oder die Salzsäure zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid ounces. Add this or the dry acid, not both.</source>
        <translation>Salzsäure 31&#xa0;% (im Handel 31,45&#xa0;%), die den pH-Wert um 0,2 senkt, in US-Flüssigunzen. Diese oder das pH-Minus-Granulat zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. Add this or the dry acid, not both.</source>
        <translation>Salzsäure 31&#xa0;% (im Handel 31,45&#xa0;%), die den pH-Wert um 0,2 senkt, in Millilitern. Diese oder das pH-Minus-Granulat zugeben, nicht beide.</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Natriumcarbonat (oz)</translation>
    </message>
    <message>
        <source>Sodium Carbonate (g)</source>
        <translation>Natriumcarbonat (g)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Natriumhydrogensulfat (oz)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (g)</source>
        <translation>Natriumhydrogensulfat (g)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Salzsäure 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (ml)</source>
        <translation>Salzsäure 31&#xa0;% (ml)</translation>
    </message>
</context>
<context>
    <name>PoolSize</name>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Inhalt (gal)</translation>
    </message>
    <message>
        <source>Pool Size (L)</source>
        <translation>Inhalt (l)</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in US gallons.</source>
        <translation>Die Wassermenge im Becken, in US-Gallonen.</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in litres.</source>
        <translation>Die Wassermenge im Becken, in Litern.</translation>
    </message>
</context>
<context>
    <name>PoolVolumeWindow</name>
    <message>
        <source>The length of the rectangular pool, in feet.</source>
        <translation>Die Länge des rechteckigen Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The length of the rectangular pool, in metres.</source>
        <translation>Die Länge des rechteckigen Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in feet.</source>
        <translation>Die Breite des rechteckigen Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in metres.</source>
        <translation>Die Breite des rechteckigen Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in feet.</source>
        <translation>Die mittlere Tiefe des rechteckigen Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in metres.</source>
        <translation>Die mittlere Tiefe des rechteckigen Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in US gallons.</source>
        <translation>Das Wasser im rechteckigen Becken, in US-Gallonen.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in litres.</source>
        <translation>Das Wasser im rechteckigen Becken, in Litern.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in feet. Oval means an ellipse.</source>
        <translation>Die Länge des ovalen Beckens an der längsten Stelle, in Fuß. Oval heißt hier Ellipse.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in metres. Oval means an ellipse.</source>
        <translation>Die Länge des ovalen Beckens an der längsten Stelle, in Metern. Oval heißt hier Ellipse.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in feet.</source>
        <translation>Die Breite des ovalen Beckens an der breitesten Stelle quer zur Länge, in Fuß.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in metres.</source>
        <translation>Die Breite des ovalen Beckens an der breitesten Stelle quer zur Länge, in Metern.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in feet.</source>
        <translation>Die mittlere Tiefe des ovalen Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in metres.</source>
        <translation>Die mittlere Tiefe des ovalen Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in US gallons.</source>
        <translation>Das Wasser im ovalen Becken, als Ellipse gerechnet, in US-Gallonen.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in litres.</source>
        <translation>Das Wasser im ovalen Becken, als Ellipse gerechnet, in Litern.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in feet.</source>
        <translation>Der Durchmesser des runden Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in metres.</source>
        <translation>Der Durchmesser des runden Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in feet.</source>
        <translation>Die Tiefe des runden Beckens, in Fuß.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in metres.</source>
        <translation>Die Tiefe des runden Beckens, in Metern.</translation>
    </message>
    <message>
        <source>The water in the round pool, in US gallons.</source>
        <translation>Das Wasser im runden Becken, in US-Gallonen.</translation>
    </message>
    <message>
        <source>The water in the round pool, in litres.</source>
        <translation>Das Wasser im runden Becken, in Litern.</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Alle Maße in FUSS, Volumen in GALLONEN</translation>
    </message>
    <message>
        <source>All Measurements in METRES, volumes in LITRES</source>
        <translation>Alle Maße in METERN, Volumen in LITERN</translation>
    </message>
</context>
<context>
    <name>Quantities</name>
    <message>
        <source>%1 kilogram(s)</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a weight: pounds and ounces</comment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 pound(s)</source>
        <translation>
            <numerusform>%1 Pfund</numerusform>
            <numerusform>%1 Pfund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>ounces of weight</comment>
        <translation>
            <numerusform>%1 Unze</numerusform>
            <numerusform>%1 Unzen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Gallon(s)</source>
        <comment>tenths of a gallon</comment>
        <translation>%1 Gallone(n)</translation>
    </message>
    <message>
        <source>%1 Litre(s)</source>
        <comment>tenths of a litre</comment>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <comment>a liquid measure: gallons, quarts, cups and fluid ounces</comment>
        <translation>%1, %2, %3 und %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 Gallon(s)</source>
        <comment>whole gallons</comment>
        <translation>
            <numerusform>%1 Gallone</numerusform>
            <numerusform>%1 Gallonen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 quart(s)</source>
        <translation>
            <numerusform>%1 Quart</numerusform>
            <numerusform>%1 Quart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cup(s)</source>
        <translation>
            <numerusform>%1 Tasse</numerusform>
            <numerusform>%1 Tassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>fluid ounces</comment>
        <translation>
            <numerusform>%1 Unze</numerusform>
            <numerusform>%1 Unzen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaltWindow</name>
    <message>
        <source>An amount of salt, in pounds: Calculate gives the rise in salt it makes.</source>
        <translation>Eine Menge Salz in Pfund: Berechnen ergibt den Salzanstieg, den sie bewirkt.</translation>
    </message>
    <message>
        <source>An amount of salt, in kilograms: Calculate gives the rise in salt it makes.</source>
        <translation>Eine Menge Salz in Kilogramm: Berechnen ergibt den Salzanstieg, den sie bewirkt.</translation>
    </message>
    <message>
        <source>The rise in salt you want, in ppm: Calculate gives the salt it takes.</source>
        <translation>Der gewünschte Salzanstieg in mg/l: Berechnen ergibt die nötige Menge Salz.</translation>
    </message>
    <message>
        <source>The rise in salt, in ppm, that the amount of salt makes.</source>
        <translation>Der Salzanstieg in mg/l, den die Menge Salz bewirkt.</translation>
    </message>
    <message>
        <source>Salt to add, in pounds.</source>
        <translation>Zuzugebendes Poolsalz, in Pfund.</translation>
    </message>
    <message>
        <source>Salt to add, in kilograms.</source>
        <translation>Zuzugebendes Poolsalz, in Kilogramm.</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Salz (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt</source>
        <translation>Salz (kg)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Salz nötig (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt needed</source>
        <translation>Salz nötig (kg)</translation>
    </message>
</context>
<context>
    <name>SaturationWindow</name>
    <message>
        <source>The pH of the pool water.</source>
        <translation>Der pH-Wert des Beckenwassers.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Fahrenheit.</source>
        <translation>Die Wassertemperatur in Grad Fahrenheit.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Celsius.</source>
        <translation>Die Wassertemperatur in Grad Celsius.</translation>
    </message>
    <message>
        <source>The calcium hardness, in ppm.</source>
        <translation>Die Calciumhärte in mg/l.</translation>
    </message>
    <message>
        <source>The total alkalinity, in ppm.</source>
        <translation>Der TA-Wert (Gesamtalkalinität) in mg/l.</translation>
    </message>
    <message>
        <source>The Langelier saturation index of the water, worked out from the four readings above.</source>
        <translation>Der Langelier-Sättigungsindex des Wassers, berechnet aus den vier Werten darüber.</translation>
    </message>
    <message>
        <source>Temp, Deg F</source>
        <translation>Temp., °F</translation>
    </message>
    <message>
        <source>Temp, Deg C</source>
        <translation>Temp., °C</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>a folder</source>
        <comment>stands where the settings file should be</comment>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <comment>stands where the settings file should be</comment>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <comment>stands where the settings file should be</comment>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <comment>stands where the settings file should be</comment>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>something else</source>
        <comment>stands where the settings file should be</comment>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of settings</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of settings</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None of the three settings was saved.</source>
        <translation>Keine der drei Einstellungen wurde gespeichert.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 was not.</source>
        <translation>Gespeichert: %1. Nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 were not.</source>
        <translation>Gespeichert: %1. Nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 was not.</source>
        <translation>Gespeichert: %1. Nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 were not.</source>
        <translation>Gespeichert: %1. Nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>The setting %1 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>Die Einstellung %1 ist nicht als Text gespeichert und kann daher nicht gelesen werden. Das Speichern eines neuen Werts ersetzt sie.</translation>
    </message>
    <message>
        <source>The setting %1 in %2 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>Die Einstellung %1 in %2 ist nicht als Text gespeichert und kann daher nicht gelesen werden. Das Speichern eines neuen Werts ersetzt sie.</translation>
    </message>
    <message>
        <source>It is %1, far larger than three settings need, so only its beginning was read.</source>
        <translation>Sie ist %1 groß, weit mehr, als drei Einstellungen brauchen, daher wurde nur ihr Anfang gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>It has more than %n lines, far more than three settings need, so only its beginning was read.</source>
        <translation>
            <numerusform>Sie hat mehr als %n Zeile, weit mehr als drei Einstellungen brauchen; deshalb wurde nur ihr Anfang gelesen.</numerusform>
            <numerusform>Sie hat mehr als %n Zeilen, weit mehr als drei Einstellungen brauchen; deshalb wurde nur ihr Anfang gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds bytes that are not text.</source>
        <translation>Sie enthält Bytes, die kein Text sind.</translation>
    </message>
    <message>
        <source>It holds lines that are not settings.</source>
        <translation>Sie enthält Zeilen, die keine Einstellungen sind.</translation>
    </message>
    <message>
        <source>It gives %1 more than once; the last one was read.</source>
        <translation>Sie enthält %1 mehrmals; der letzte Eintrag wurde gelesen.</translation>
    </message>
    <message>
        <source>AppName may not be empty</source>
        <translation>AppName darf nicht leer sein</translation>
    </message>
    <message>
        <source>Section may not be empty</source>
        <translation>Section darf nicht leer sein</translation>
    </message>
    <message>
        <source>Key may not be empty</source>
        <translation>Key darf nicht leer sein</translation>
    </message>
    <message>
        <source>Could not open registry section</source>
        <translation>Der Einstellungsbereich konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Registry data not a string</source>
        <translation>Der gespeicherte Wert ist kein Text</translation>
    </message>
    <message>
        <source>Could not open/create registry section</source>
        <translation>Der Einstellungsbereich konnte nicht geöffnet oder angelegt werden</translation>
    </message>
    <message>
        <source>Could not set key value</source>
        <translation>Der Wert konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is %3, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 ist eine Verknüpfung auf %2, und das ist %3, keine Datei. Benennen Sie es um oder entfernen Sie es, dann kann Poolwright seine Einstellungen dort wieder speichern.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 ist %2, keine Datei. Benennen Sie es um oder entfernen Sie es, dann kann Poolwright seine Einstellungen dort wieder speichern.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to read it.</source>
        <translation>%1 kann nicht gelesen werden: Es fehlt die Leseberechtigung.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the settings cannot be saved in it.</source>
        <translation>%1 ist schreibgeschützt, daher können die Einstellungen nicht darin gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist and cannot be made, as its folder does not exist either.</source>
        <translation>%1 ist eine Verknüpfung zu %2, das nicht existiert und nicht angelegt werden kann, weil auch sein Ordner nicht existiert.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings cannot be saved in it.</source>
        <translation>Der Ordner %1 ist schreibgeschützt, daher können die Einstellungen nicht darin gespeichert werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is read-only.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and the part of it that is read could not be copied to a temporary file (%2).</source>
        <translation>%1 ist weit größer, als drei Einstellungen brauchen, und der gelesene Teil konnte nicht in eine temporäre Datei kopiert werden (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read in full, and a copy of it could not be kept beside it (%2), so it was not written over.</source>
        <translation>%1 konnte nicht vollständig gelesen werden, und daneben konnte keine Kopie angelegt werden (%2), daher wurde die Datei nicht überschrieben.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and it could not be replaced by a smaller one. A copy of it was kept as %2.</source>
        <translation>%1 ist weit größer, als drei Einstellungen brauchen, und konnte nicht durch eine kleinere Datei ersetzt werden. Eine Kopie wurde als %2 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>The value for %1 is too long to be kept in %2 (%3 bytes).</source>
        <translation>
            <numerusform>Der Wert für %1 ist zu lang, um in %2 gespeichert zu werden (%3 Bytes).</numerusform>
            <numerusform>Der Wert für %1 ist zu lang, um in %2 gespeichert zu werden (%3 Bytes).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk it is on is full.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 is read-only.</source>
        <translation>%1 konnte nicht geschrieben werden: Sein Ordner %2 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the pool size</source>
        <translation>der Beckeninhalt</translation>
    </message>
    <message>
        <source>the bleach strength</source>
        <translation>der Chlorgehalt</translation>
    </message>
    <message>
        <source>the unit of measure</source>
        <translation>das Einheitensystem</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full, so a copy of it was kept as %1 before the new settings were saved. %2</source>
        <translation>Ihre Einstellungsdatei konnte nicht vollständig gelesen werden, daher wurde vor dem Speichern der neuen Einstellungen eine Kopie als %1 aufbewahrt. %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>The pool size the calculators start with, in US gallons while Imperial is chosen below. It is kept as typed: choosing Metric does not convert it, so type the size in litres then.</source>
        <translation>Der Beckeninhalt, mit dem die Berechnungen beginnen, in US-Gallonen, solange unten Imperial gewählt ist. Er bleibt wie eingegeben: Metrisch wählen rechnet ihn nicht um, geben Sie ihn dann in Litern ein.</translation>
    </message>
    <message>
        <source>The pool size the calculators start with, in litres while Metric is chosen below. It is kept as typed: choosing Imperial does not convert it, so type the size in US gallons then.</source>
        <translation>Der Beckeninhalt, mit dem die Berechnungen beginnen, in Litern, solange unten Metrisch gewählt ist. Er bleibt wie eingegeben: Imperial wählen rechnet ihn nicht um, geben Sie ihn dann in US-Gallonen ein.</translation>
    </message>
    <message>
        <source>The chlorine strength of your bleach, in percent, that the main window starts with: for 6 % bleach type 6.</source>
        <translation>Der Chlorgehalt Ihres Flüssigchlors in Prozent, mit dem das Hauptfenster beginnt: für 6-prozentiges Chlor 6 eingeben.</translation>
    </message>
</context>
</TS>
