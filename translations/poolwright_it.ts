<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AlkalinityWindow</name>
    <message>
        <source>The rise in total alkalinity you want, in ppm.</source>
        <translation>L’aumento di alcalinità totale voluto, in ppm.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in pounds and ounces.</source>
        <translation>Bicarbonato di sodio (alcalinità plus) da aggiungere, in libbre e once.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in kilograms.</source>
        <translation>Bicarbonato di sodio (alcalinità plus) da aggiungere, in chilogrammi.</translation>
    </message>
</context>
<context>
    <name>BoraxWindow</name>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in ounces by weight.</source>
        <translation>Borace (tetraborato di sodio decaidrato) da aggiungere, in once di peso.</translation>
    </message>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in kilograms.</source>
        <translation>Borace (tetraborato di sodio decaidrato) da aggiungere, in chilogrammi.</translation>
    </message>
    <message>
        <source>The tetraborate that the borax adds, in ppm. Test kits give borates as ppm of boron, about 0.28 times this figure.</source>
        <translation>Il tetraborato aggiunto dal borace, in ppm. I kit di analisi danno i borati in ppm di boro, circa 0,28 volte questo valore.</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato di sodio decaidr. (oz)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (k)</source>
        <translation>Tetraborato di sodio decaidr. (kg)</translation>
    </message>
</context>
<context>
    <name>CalciumWindow</name>
    <message>
        <source>The rise in calcium hardness you want, in ppm.</source>
        <translation>L’aumento di durezza calcica voluto, in ppm.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the dihydrate below, not both.</source>
        <translation>Cloruro di calcio anidro da aggiungere, in libbre e once. Aggiungi questo o il diidrato qui sotto, non entrambi.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate below, not both.</source>
        <translation>Cloruro di calcio anidro da aggiungere, in chilogrammi. Aggiungi questo o il diidrato qui sotto, non entrambi.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in pounds and ounces. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloruro di calcio diidrato da aggiungere, in libbre e once. Aggiungi questo o il cloruro di calcio anidro qui sopra, non entrambi.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloruro di calcio diidrato da aggiungere, in chilogrammi. Aggiungi questo o il cloruro di calcio anidro qui sopra, non entrambi.</translation>
    </message>
</context>
<context>
    <name>CyanuricWindow</name>
    <message>
        <source>The rise in cyanuric acid (stabiliser) you want, in ppm.</source>
        <translation>L’aumento di acido cianurico (stabilizzante) voluto, in ppm.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in pounds and ounces.</source>
        <translation>Acido cianurico (stabilizzante) da aggiungere, in libbre e once.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in kilograms.</source>
        <translation>Acido cianurico (stabilizzante) da aggiungere, in chilogrammi.</translation>
    </message>
</context>
<context>
    <name>DilutionWindow</name>
    <message>
        <source>The pool water&apos;s test reading of what is too high, in ppm.</source>
        <translation>La lettura, nell’acqua della piscina, di ciò che è troppo alto, in ppm.</translation>
    </message>
    <message>
        <source>The refill water&apos;s test reading of the same, in ppm.</source>
        <translation>La lettura della stessa cosa nell’acqua di reintegro, in ppm.</translation>
    </message>
    <message>
        <source>The reading you want after draining and refilling, in ppm.</source>
        <translation>Il valore voluto dopo lo scarico e il reintegro, in ppm.</translation>
    </message>
    <message>
        <source>The share of the pool to drain and refill, as a fraction: 0.44 means 44 % of the pool.</source>
        <translation>La quota della piscina da scaricare e reintegrare, come frazione: 0,44 significa il 44% della piscina.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in US gallons.</source>
        <translation>L’acqua da scaricare e reintegrare, in galloni USA.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in litres.</source>
        <translation>L’acqua da scaricare e reintegrare, in litri.</translation>
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
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Chlorine Strength (enter 6% as 6)</source>
        <translation>Cloro attivo (6% = scrivi 6)</translation>
    </message>
    <message>
        <source>Quantity of bleach  (gal.)</source>
        <translation>Cloro liquido (gal)</translation>
    </message>
    <message>
        <source>PPM Increase desired</source>
        <translation>Aumento voluto (ppm)</translation>
    </message>
    <message>
        <source>PPM Increase</source>
        <translation>Aumento (ppm)</translation>
    </message>
    <message>
        <source>Bleach required</source>
        <translation>Cloro da dosare</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>More Calcs</source>
        <translation>Altri calcoli</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Salt Calcs</source>
        <translation>Calcolo del sale</translation>
    </message>
    <message>
        <source>Salt Calculator</source>
        <translation>Calcolo del sale</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sale (lb)</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
    <message>
        <source>PPM Increase Desired</source>
        <translation>Aumento voluto (ppm)</translation>
    </message>
    <message>
        <source>Salt PPM will go up by</source>
        <translation>Aumento sale (ppm)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sale da aggiungere (lb)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Poolwright Defaults</source>
        <translation>Impostazioni di Poolwright</translation>
    </message>
    <message>
        <source>Default Pool Size</source>
        <translation>Volume predefinito</translation>
    </message>
    <message>
        <source>Default Bleach Strength</source>
        <translation>Cloro attivo predefinito</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Unit of measure</source>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Salva e chiudi</translation>
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
        <translation>Indice di Langelier</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Temp, Deg F</source>
        <translation>Temp., °F</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Durezza calcica</translation>
    </message>
    <message>
        <source>Total Alkalinity</source>
        <translation>Alcalinità totale</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright!</translation>
    </message>
    <message>
        <source>A real simple tool to help you calculate bleach additions</source>
        <translation>Uno strumento semplice per dosare il cloro liquido</translation>
    </message>
    <message>
        <source>By using this tool, you accept all responsibilities for the results.  There are no warranties expressed or implied to its function.  </source>
        <translation>Usando questo strumento ti assumi ogni responsabilità sui risultati. Nessuna garanzia, espressa o implicita, sul suo funzionamento.</translation>
    </message>
    <message>
        <source>Basically, if you screw your pool up, it&apos;s your own darn fault!</source>
        <translation>In breve: se rovini la tua piscina, la colpa è solo tua!</translation>
    </message>
    <message>
        <source>Would you like a calculation added? E-mail your request to poolwright@example.org</source>
        <translation>Ti serve un altro calcolo? Scrivi a poolwright@example.org</translation>
    </message>
    <message>
        <source>Do you just use this, but don&apos;t have any suggestions?  That&apos;s cool, drop me a line anyway to let me know you&apos;re using it!</source>
        <translation>Lo usi e non hai suggerimenti? Benissimo, scrivimi lo stesso per dirmi che lo usi!</translation>
    </message>
    <message>
        <source>Test your water again after adding any chemical.</source>
        <translation>Analizza di nuovo l’acqua dopo ogni aggiunta di prodotto.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Alkalinity calculation</source>
        <translation>Calcolo dell’alcalinità</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinità</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento voluto (ppm)</translation>
    </message>
    <message>
        <source>RAISE</source>
        <translation>ALZA</translation>
    </message>
    <message>
        <source>with Sodium Bicarbonate</source>
        <translation>con bicarbonato di sodio</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Calcium Hardness calcs</source>
        <translation>Calcolo della durezza calcica</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Durezza calcica</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento voluto (ppm)</translation>
    </message>
    <message>
        <source>Calcium Chloride</source>
        <translation>Cloruro di calcio</translation>
    </message>
    <message>
        <source>Calcium Chloride Dihydrate</source>
        <translation>Cloruro di calcio diidrato</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Cyanuric Acid Calc</source>
        <translation>Calcolo dello stabilizzante</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Acido cianurico</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento voluto (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>pH Calcs</source>
        <translation>Calcoli del pH</translation>
    </message>
    <message>
        <source>These calcs assume ALK isn&apos;t really high or low, as alk will DEFINITELY affect how much the pH moves</source>
        <translation>Calcoli per alcalinità né troppo alta né troppo bassa: l’alcalinità INFLUISCE MOLTO sulla variazione del pH</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>RAISE pH 0.2</source>
        <translation>ALZARE pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato di sodio (oz)</translation>
    </message>
    <message>
        <source>(This is Soda Ash, NOT borax!)</source>
        <translation>(È pH plus, NON borace!)</translation>
    </message>
    <message>
        <source>LOWER pH 0.2</source>
        <translation>ABBASSARE pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisolfato di sodio (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Acido muriatico 31% (oz)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Dilution Calcs</source>
        <translation>Diluizione</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Test reading from the pool in PPM</source>
        <translation>Lettura della piscina (ppm)</translation>
    </message>
    <message>
        <source>Test reading of the refill water in PPM</source>
        <translation>Lettura dell’acqua di reintegro (ppm)</translation>
    </message>
    <message>
        <source>PPM you want to be at</source>
        <translation>Valore voluto (ppm)</translation>
    </message>
    <message>
        <source>Percentage to drain</source>
        <translation>Quota da scaricare</translation>
    </message>
    <message>
        <source>Volume to drain</source>
        <translation>Volume da scaricare</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Borax Calcs</source>
        <translation>Calcolo del borace</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borace</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato di sodio decaidr. (oz)</translation>
    </message>
    <message>
        <source>Tetraborates PPM added</source>
        <translation>Tetraborati (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <source>This is for calculating how much borax to add to function as an additional algaecide, not pH changes.  Reccomended target PPM is 50.</source>
        <translation>Calcola il borace da aggiungere come alghicida supplementare, non per correggere il pH. Valore consigliato: 50 ppm.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Volume Calcs</source>
        <translation>Calcolo del volume</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume della piscina</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungh.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Avg Depth</source>
        <translation>Prof. media</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rotonda</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Tutte le misure in PIEDI, volumi in GALLONI</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chlorine strength of the bleach, in percent: for 6 % bleach type 6.</source>
        <translation>Il titolo di cloro attivo del cloro liquido, in percentuale: per cloro al 6% scrivi 6.</translation>
    </message>
    <message>
        <source>An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.</source>
        <translation>Una quantità di cloro liquido, in galloni USA: Calcola dà l’aumento di cloro che produce.</translation>
    </message>
    <message>
        <source>An amount of bleach, in litres: Calculate gives the rise in chlorine it makes.</source>
        <translation>Una quantità di cloro liquido, in litri: Calcola dà l’aumento di cloro che produce.</translation>
    </message>
    <message>
        <source>The rise in chlorine you want, in ppm: Calculate gives the bleach it takes.</source>
        <translation>L’aumento di cloro voluto, in ppm: Calcola dà il cloro liquido necessario.</translation>
    </message>
    <message>
        <source>The rise in chlorine, in ppm, that the amount of bleach makes.</source>
        <translation>L’aumento di cloro, in ppm, prodotto dalla quantità di cloro liquido.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons to a tenth.</source>
        <translation>Il cloro liquido da aggiungere, al titolo indicato, in galloni USA al decimo.</translation>
    </message>
    <message>
        <source>The bleach to add in US gallons, worked out in Imperial only: the litres show in the box above.</source>
        <translation>Il cloro liquido da aggiungere in galloni USA, calcolato solo nel sistema imperiale: i litri compaiono nella casella sopra.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons, quarts, cups and fluid ounces.</source>
        <translation>Il cloro liquido da aggiungere, al titolo indicato, in galloni USA, quarti, tazze e once liquide.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in litres to a tenth.</source>
        <translation>Il cloro liquido da aggiungere, al titolo indicato, in litri al decimo.</translation>
    </message>
    <message>
        <source>Quantity of bleach (Gal.)</source>
        <translation>Cloro liquido (gal)</translation>
    </message>
    <message>
        <source>Quantity of bleach (L)</source>
        <translation>Cloro liquido (l)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinità</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Durezza calcica</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Acido cianurico</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Dilution</source>
        <translation>Diluizione</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borace</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume della piscina</translation>
    </message>
    <message>
        <source>Salt Calcs</source>
        <translation>Calcolo del sale</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Saturation Index</source>
        <translation>Indice di saturazione</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error number %1 (0x%2)</source>
        <translation>Errore numero %1 (0x%2)</translation>
    </message>
    <message>
        <source>A white box is empty. Please fill in a number before hitting calculate!</source>
        <translation>Una casella bianca è vuota. Scrivi un numero prima di premere Calcola!</translation>
    </message>
    <message>
        <source>A box holds only blanks, which is not a number. Please enter a number before hitting calculate!</source>
        <translation>Una casella contiene solo spazi, che non sono un numero. Scrivi un numero prima di premere Calcola!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Please enter a number before hitting calculate!</source>
        <translation>«%1» non è un numero. Scrivi un numero prima di premere Calcola!</translation>
    </message>
    <message>
        <source>The pool size may not be 0.</source>
        <translation>Il volume della piscina non può essere 0.</translation>
    </message>
    <message>
        <source>The bleach required cannot be worked out for a chlorine strength of 0.</source>
        <translation>Il cloro liquido necessario non si può calcolare con un titolo di cloro pari a 0.</translation>
    </message>
    <message>
        <source>The share to drain cannot be worked out when the refill water reads the same as the pool.</source>
        <translation>La quota da scaricare non si può calcolare se l’acqua di reintegro ha la stessa lettura della piscina.</translation>
    </message>
    <message>
        <source>The result is too large to be worked out. Please check the figures in the white boxes.</source>
        <translation>Il risultato è troppo grande per essere calcolato. Controlla i numeri nelle caselle bianche.</translation>
    </message>
    <message>
        <source>Please fill in all white boxes before hitting calculate!</source>
        <translation>Compila tutte le caselle bianche prima di premere Calcola!</translation>
    </message>
    <message>
        <source>Please fill in all fields before hitting calculate!</source>
        <translation>Compila tutti i campi prima di premere Calcola!</translation>
    </message>
    <message>
        <source>Please fill in how much PPM increase is required before hitting calculate!</source>
        <translation>Indica l’aumento richiesto in ppm prima di premere Calcola!</translation>
    </message>
    <message>
        <source>Please choose Imperial or Metric before hitting Save &amp; Close!</source>
        <translation>Scegli Imperiale o Metrico prima di premere Salva e chiudi!</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Non è stato possibile leggere le impostazioni.</translation>
    </message>
    <message>
        <source>The settings could not be saved. What you typed is kept, so you can try again.</source>
        <translation>Non è stato possibile salvare le impostazioni. Quello che hai scritto resta, quindi puoi riprovare.</translation>
    </message>
</context>
<context>
    <name>PhWindow</name>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.</source>
        <translation>Carbonato di sodio (pH plus) che alza il pH di 0,2, in once di peso.</translation>
    </message>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.</source>
        <translation>Carbonato di sodio (pH plus) che alza il pH di 0,2, in grammi.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or the muriatic acid, not both.</source>
        <translation>Bisolfato di sodio (pH minus in granuli) che abbassa il pH di 0,2, in once di peso. Aggiungi questo o l’acido muriatico, non entrambi.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the muriatic acid, not both.</source>
        <translation>Bisolfato di sodio (pH minus in granuli) che abbassa il pH di 0,2, in grammi. Aggiungi questo o l’acido muriatico, non entrambi.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid ounces. Add this or the dry acid, not both.</source>
        <translation>Acido muriatico al 31% (venduto al 31,45%) che abbassa il pH di 0,2, in once liquide USA. Aggiungi questo o il pH minus in granuli, non entrambi.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. Add this or the dry acid, not both.</source>
        <translation>Acido muriatico al 31% (venduto al 31,45%) che abbassa il pH di 0,2, in millilitri. Aggiungi questo o il pH minus in granuli, non entrambi.</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato di sodio (oz)</translation>
    </message>
    <message>
        <source>Sodium Carbonate (g)</source>
        <translation>Carbonato di sodio (g)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisolfato di sodio (oz)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (g)</source>
        <translation>Bisolfato di sodio (g)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Acido muriatico 31% (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (ml)</source>
        <translation>Acido muriatico 31% (ml)</translation>
    </message>
</context>
<context>
    <name>PoolSize</name>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Pool Size (L)</source>
        <translation>Volume (l)</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in US gallons.</source>
        <translation>Il volume d’acqua della piscina, in galloni USA.</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in litres.</source>
        <translation>Il volume d’acqua della piscina, in litri.</translation>
    </message>
</context>
<context>
    <name>PoolVolumeWindow</name>
    <message>
        <source>The length of the rectangular pool, in feet.</source>
        <translation>La lunghezza della piscina rettangolare, in piedi.</translation>
    </message>
    <message>
        <source>The length of the rectangular pool, in metres.</source>
        <translation>La lunghezza della piscina rettangolare, in metri.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in feet.</source>
        <translation>La larghezza della piscina rettangolare, in piedi.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in metres.</source>
        <translation>La larghezza della piscina rettangolare, in metri.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in feet.</source>
        <translation>La profondità media della piscina rettangolare, in piedi.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in metres.</source>
        <translation>La profondità media della piscina rettangolare, in metri.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in US gallons.</source>
        <translation>L’acqua della piscina rettangolare, in galloni USA.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in litres.</source>
        <translation>L’acqua della piscina rettangolare, in litri.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in feet. Oval means an ellipse.</source>
        <translation>La lunghezza della piscina ovale, nel punto più lungo, in piedi. Ovale qui vuol dire ellisse.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in metres. Oval means an ellipse.</source>
        <translation>La lunghezza della piscina ovale, nel punto più lungo, in metri. Ovale qui vuol dire ellisse.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in feet.</source>
        <translation>La larghezza della piscina ovale, nel punto più largo, di traverso alla lunghezza, in piedi.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in metres.</source>
        <translation>La larghezza della piscina ovale, nel punto più largo, di traverso alla lunghezza, in metri.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in feet.</source>
        <translation>La profondità media della piscina ovale, in piedi.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in metres.</source>
        <translation>La profondità media della piscina ovale, in metri.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in US gallons.</source>
        <translation>L’acqua della piscina ovale, considerata un’ellisse, in galloni USA.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in litres.</source>
        <translation>L’acqua della piscina ovale, considerata un’ellisse, in litri.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in feet.</source>
        <translation>Il diametro della piscina rotonda, in piedi.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in metres.</source>
        <translation>Il diametro della piscina rotonda, in metri.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in feet.</source>
        <translation>La profondità della piscina rotonda, in piedi.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in metres.</source>
        <translation>La profondità della piscina rotonda, in metri.</translation>
    </message>
    <message>
        <source>The water in the round pool, in US gallons.</source>
        <translation>L’acqua della piscina rotonda, in galloni USA.</translation>
    </message>
    <message>
        <source>The water in the round pool, in litres.</source>
        <translation>L’acqua della piscina rotonda, in litri.</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Tutte le misure in PIEDI, volumi in GALLONI</translation>
    </message>
    <message>
        <source>All Measurements in METRES, volumes in LITRES</source>
        <translation>Tutte le misure in METRI, volumi in LITRI</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 pound(s)</source>
        <translation>
            <numerusform>%1 libbra</numerusform>
            <numerusform>%1 libbre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>ounces of weight</comment>
        <translation>
            <numerusform>%1 oncia</numerusform>
            <numerusform>%1 once</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Gallon(s)</source>
        <comment>tenths of a gallon</comment>
        <translation>%1 gallone/i</translation>
    </message>
    <message>
        <source>%1 Litre(s)</source>
        <comment>tenths of a litre</comment>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <comment>a liquid measure: gallons, quarts, cups and fluid ounces</comment>
        <translation>%1, %2, %3 e %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 Gallon(s)</source>
        <comment>whole gallons</comment>
        <translation>
            <numerusform>%1 gallone</numerusform>
            <numerusform>%1 galloni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 quart(s)</source>
        <translation>
            <numerusform>%1 quarto</numerusform>
            <numerusform>%1 quarti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cup(s)</source>
        <translation>
            <numerusform>%1 tazza</numerusform>
            <numerusform>%1 tazze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>fluid ounces</comment>
        <translation>
            <numerusform>%1 oncia</numerusform>
            <numerusform>%1 once</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaltWindow</name>
    <message>
        <source>An amount of salt, in pounds: Calculate gives the rise in salt it makes.</source>
        <translation>Una quantità di sale, in libbre: Calcola dà l’aumento di sale che produce.</translation>
    </message>
    <message>
        <source>An amount of salt, in kilograms: Calculate gives the rise in salt it makes.</source>
        <translation>Una quantità di sale, in chilogrammi: Calcola dà l’aumento di sale che produce.</translation>
    </message>
    <message>
        <source>The rise in salt you want, in ppm: Calculate gives the salt it takes.</source>
        <translation>L’aumento di sale voluto, in ppm: Calcola dà il sale necessario.</translation>
    </message>
    <message>
        <source>The rise in salt, in ppm, that the amount of salt makes.</source>
        <translation>L’aumento di sale, in ppm, prodotto dalla quantità di sale.</translation>
    </message>
    <message>
        <source>Salt to add, in pounds.</source>
        <translation>Sale per piscina da aggiungere, in libbre.</translation>
    </message>
    <message>
        <source>Salt to add, in kilograms.</source>
        <translation>Sale per piscina da aggiungere, in chilogrammi.</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sale (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt</source>
        <translation>Sale (kg)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sale da aggiungere (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt needed</source>
        <translation>Sale da aggiungere (kg)</translation>
    </message>
</context>
<context>
    <name>SaturationWindow</name>
    <message>
        <source>The pH of the pool water.</source>
        <translation>Il pH dell’acqua della piscina.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Fahrenheit.</source>
        <translation>La temperatura dell’acqua, in gradi Fahrenheit.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Celsius.</source>
        <translation>La temperatura dell’acqua, in gradi Celsius.</translation>
    </message>
    <message>
        <source>The calcium hardness, in ppm.</source>
        <translation>La durezza calcica, in ppm.</translation>
    </message>
    <message>
        <source>The total alkalinity, in ppm.</source>
        <translation>L’alcalinità totale, in ppm.</translation>
    </message>
    <message>
        <source>The Langelier saturation index of the water, worked out from the four readings above.</source>
        <translation>L’indice di saturazione di Langelier dell’acqua, calcolato dalle quattro letture qui sopra.</translation>
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
        <translation>Calcola</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>a folder</source>
        <comment>stands where the settings file should be</comment>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <comment>stands where the settings file should be</comment>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a socket</source>
        <comment>stands where the settings file should be</comment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <comment>stands where the settings file should be</comment>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>something else</source>
        <comment>stands where the settings file should be</comment>
        <translation>qualcos’altro</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of settings</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of settings</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None of the three settings was saved.</source>
        <translation>Nessuna delle tre impostazioni è stata salvata.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 was not.</source>
        <translation>Salvato: %1. Non salvato: %2.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 were not.</source>
        <translation>Salvato: %1. Non salvati: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 was not.</source>
        <translation>Salvati: %1. Non salvato: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 were not.</source>
        <translation>Salvati: %1. Non salvati: %2.</translation>
    </message>
    <message>
        <source>The setting %1 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>L’impostazione %1 non è salvata come testo, quindi non si può leggere. Salvando un nuovo valore la si sostituisce.</translation>
    </message>
    <message>
        <source>The setting %1 in %2 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>L’impostazione %1 in %2 non è salvata come testo, quindi non si può leggere. Salvando un nuovo valore la si sostituisce.</translation>
    </message>
    <message>
        <source>It is %1, far larger than three settings need, so only its beginning was read.</source>
        <translation>È di %1, molto più di quanto servano tre impostazioni, quindi ne è stato letto solo l’inizio.</translation>
    </message>
    <message numerus="yes">
        <source>It has more than %n lines, far more than three settings need, so only its beginning was read.</source>
        <translation>
            <numerusform>Ha più di %n riga, molte più di quante ne servano per tre impostazioni, quindi ne è stato letto solo l’inizio.</numerusform>
            <numerusform>Ha più di %n righe, molte più di quante ne servano per tre impostazioni, quindi ne è stato letto solo l’inizio.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds bytes that are not text.</source>
        <translation>Contiene byte che non sono testo.</translation>
    </message>
    <message>
        <source>It holds lines that are not settings.</source>
        <translation>Contiene righe che non sono impostazioni.</translation>
    </message>
    <message>
        <source>It gives %1 more than once; the last one was read.</source>
        <translation>Riporta %1 più di una volta; è stata letta l’ultima.</translation>
    </message>
    <message>
        <source>AppName may not be empty</source>
        <translation>AppName non può essere vuoto</translation>
    </message>
    <message>
        <source>Section may not be empty</source>
        <translation>Section non può essere vuoto</translation>
    </message>
    <message>
        <source>Key may not be empty</source>
        <translation>Key non può essere vuoto</translation>
    </message>
    <message>
        <source>Could not open registry section</source>
        <translation>Impossibile aprire la sezione delle impostazioni</translation>
    </message>
    <message>
        <source>Registry data not a string</source>
        <translation>Il dato salvato non è testo</translation>
    </message>
    <message>
        <source>Could not open/create registry section</source>
        <translation>Impossibile aprire o creare la sezione delle impostazioni</translation>
    </message>
    <message>
        <source>Could not set key value</source>
        <translation>Impossibile scrivere il valore</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is %3, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 è un collegamento a %2, che è %3, non un file. Rinominalo o rimuovilo, e Poolwright potrà di nuovo salvarci le sue impostazioni.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 è %2, non un file. Rinominalo o rimuovilo, e Poolwright potrà di nuovo salvarci le sue impostazioni.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to read it.</source>
        <translation>Impossibile leggere %1: manca il permesso di lettura.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the settings cannot be saved in it.</source>
        <translation>%1 è di sola lettura, quindi non vi si possono salvare le impostazioni.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist and cannot be made, as its folder does not exist either.</source>
        <translation>%1 è un collegamento a %2, che non esiste e non si può creare, perché nemmeno la sua cartella esiste.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings cannot be saved in it.</source>
        <translation>La cartella %1 è di sola lettura, quindi non vi si possono salvare le impostazioni.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is read-only.</source>
        <translation>Impossibile creare la cartella %1: %2 è di sola lettura.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Impossibile creare la cartella %1: %2 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and the part of it that is read could not be copied to a temporary file (%2).</source>
        <translation>%1 è molto più grande di quanto servano tre impostazioni, e la parte letta non si è potuta copiare in un file temporaneo (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read in full, and a copy of it could not be kept beside it (%2), so it was not written over.</source>
        <translation>%1 non si è potuto leggere per intero, e non se ne è potuta tenere una copia accanto (%2), quindi non è stato sovrascritto.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and it could not be replaced by a smaller one. A copy of it was kept as %2.</source>
        <translation>%1 è molto più grande di quanto servano tre impostazioni, e non si è potuto sostituire con uno più piccolo. Una copia è stata tenuta come %2.</translation>
    </message>
    <message numerus="yes">
        <source>The value for %1 is too long to be kept in %2 (%3 bytes).</source>
        <translation>
            <numerusform>Il valore di %1 è troppo lungo per essere tenuto in %2 (%3 byte).</numerusform>
            <numerusform>Il valore di %1 è troppo lungo per essere tenuto in %2 (%3 byte).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk it is on is full.</source>
        <translation>Impossibile scrivere %1: il disco su cui si trova è pieno.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 is read-only.</source>
        <translation>Impossibile scrivere %1: la sua cartella %2 è di sola lettura.</translation>
    </message>
    <message>
        <source>the pool size</source>
        <translation>il volume della piscina</translation>
    </message>
    <message>
        <source>the bleach strength</source>
        <translation>il titolo di cloro</translation>
    </message>
    <message>
        <source>the unit of measure</source>
        <translation>il sistema di unità</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full, so a copy of it was kept as %1 before the new settings were saved. %2</source>
        <translation>Il tuo file di impostazioni non si è potuto leggere per intero, quindi ne è stata tenuta una copia come %1 prima di salvare le nuove impostazioni. %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>The pool size the calculators start with, in US gallons while Imperial is chosen below. It is kept as typed: choosing Metric does not convert it, so type the size in litres then.</source>
        <translation>Il volume della piscina con cui partono i calcoli, in galloni USA finché sotto è scelto Imperiale. Resta come è stato scritto: scegliere Metrico non lo converte, quindi scrivi il volume in litri.</translation>
    </message>
    <message>
        <source>The pool size the calculators start with, in litres while Metric is chosen below. It is kept as typed: choosing Imperial does not convert it, so type the size in US gallons then.</source>
        <translation>Il volume della piscina con cui partono i calcoli, in litri finché sotto è scelto Metrico. Resta come è stato scritto: scegliere Imperiale non lo converte, quindi scrivi il volume in galloni USA.</translation>
    </message>
    <message>
        <source>The chlorine strength of your bleach, in percent, that the main window starts with: for 6 % bleach type 6.</source>
        <translation>Il titolo di cloro attivo del tuo cloro liquido, in percentuale, con cui parte la finestra principale: per cloro al 6% scrivi 6.</translation>
    </message>
</context>
</TS>
