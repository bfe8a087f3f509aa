<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlkalinityWindow</name>
    <message>
        <source>The rise in total alkalinity you want, in ppm.</source>
        <translation>La hausse du TAC (alcalinité totale) voulue, en ppm.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in pounds and ounces.</source>
        <translation>Le bicarbonate de sodium (TAC plus) à ajouter, en livres et onces.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in kilograms.</source>
        <translation>Le bicarbonate de sodium (TAC plus) à ajouter, en kilogrammes.</translation>
    </message>
</context>
<context>
    <name>BoraxWindow</name>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in ounces by weight.</source>
        <translation>Le borax (tétraborate de sodium décahydraté) à ajouter, en onces (poids).</translation>
    </message>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in kilograms.</source>
        <translation>Le borax (tétraborate de sodium décahydraté) à ajouter, en kilogrammes.</translation>
    </message>
    <message>
        <source>The tetraborate that the borax adds, in ppm. Test kits give borates as ppm of boron, about 0.28 times this figure.</source>
        <translation>Le tétraborate qu’apporte le borax, en ppm. Les trousses d’analyse donnent les borates en ppm de bore, environ 0,28 fois ce chiffre.</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Borax (tétraborate de Na) (oz)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (k)</source>
        <translation>Borax (tétraborate de Na) (kg)</translation>
    </message>
</context>
<context>
    <name>CalciumWindow</name>
    <message>
        <source>The rise in calcium hardness you want, in ppm.</source>
        <translation>La hausse de la dureté calcique voulue, en ppm.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the dihydrate below, not both.</source>
        <translation>Le chlorure de calcium anhydre à ajouter, en livres et onces. Ajoutez celui-ci ou le dihydraté ci-dessous, pas les deux.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate below, not both.</source>
        <translation>Le chlorure de calcium anhydre à ajouter, en kilogrammes. Ajoutez celui-ci ou le dihydraté ci-dessous, pas les deux.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in pounds and ounces. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Le chlorure de calcium dihydraté à ajouter, en livres et onces. Ajoutez celui-ci ou le chlorure de calcium anhydre ci-dessus, pas les deux.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Le chlorure de calcium dihydraté à ajouter, en kilogrammes. Ajoutez celui-ci ou le chlorure de calcium anhydre ci-dessus, pas les deux.</translation>
    </message>
</context>
<context>
    <name>CyanuricWindow</name>
    <message>
        <source>The rise in cyanuric acid (stabiliser) you want, in ppm.</source>
        <translation>La hausse du stabilisant (acide cyanurique) voulue, en ppm.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in pounds and ounces.</source>
        <translation>Le stabilisant (acide cyanurique) à ajouter, en livres et onces.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in kilograms.</source>
        <translation>Le stabilisant (acide cyanurique) à ajouter, en kilogrammes.</translation>
    </message>
</context>
<context>
    <name>DilutionWindow</name>
    <message>
        <source>The pool water&apos;s test reading of what is too high, in ppm.</source>
        <translation>La mesure, dans l’eau du bassin, de ce qui est trop élevé, en ppm.</translation>
    </message>
    <message>
        <source>The refill water&apos;s test reading of the same, in ppm.</source>
        <translation>La mesure de la même chose dans l’eau d’appoint, en ppm.</translation>
    </message>
    <message>
        <source>The reading you want after draining and refilling, in ppm.</source>
        <translation>La valeur voulue après vidange et remplissage, en ppm.</translation>
    </message>
    <message>
        <source>The share of the pool to drain and refill, as a fraction: 0.44 means 44 % of the pool.</source>
        <translation>La part du bassin à vidanger et remplir, en fraction&#xa0;: 0,44 signifie 44&#xa0;% du bassin.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in US gallons.</source>
        <translation>L’eau à vidanger et remplacer, en gallons US.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in litres.</source>
        <translation>L’eau à vidanger et remplacer, en litres.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright&#xa0;!</translation>
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
        <translation>Chlore actif (6&#xa0;%&#xa0;: tapez 6)</translation>
    </message>
    <message>
        <source>Quantity of bleach  (gal.)</source>
        <translation>Chlore liquide (gal)</translation>
    </message>
    <message>
        <source>PPM Increase desired</source>
        <translation>Hausse voulue (ppm)</translation>
    </message>
    <message>
        <source>PPM Increase</source>
        <translation>Hausse (ppm)</translation>
    </message>
    <message>
        <source>Bleach required</source>
        <translation>Chlore à ajouter</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>More Calcs</source>
        <translation>Autres calculs</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Salt Calcs</source>
        <translation>Calcul du sel</translation>
    </message>
    <message>
        <source>Salt Calculator</source>
        <translation>Calcul du sel</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sel (lb)</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>PPM Increase Desired</source>
        <translation>Hausse voulue (ppm)</translation>
    </message>
    <message>
        <source>Salt PPM will go up by</source>
        <translation>Hausse du sel (ppm)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sel à ajouter (lb)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Poolwright Defaults</source>
        <translation>Réglages de Poolwright</translation>
    </message>
    <message>
        <source>Default Pool Size</source>
        <translation>Volume par défaut</translation>
    </message>
    <message>
        <source>Default Bleach Strength</source>
        <translation>Teneur en chlore par défaut</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Unit of measure</source>
        <translation>Unités de mesure</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Enregistrer</translation>
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
        <translation>Indice de Langelier</translation>
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
        <translation>Dureté calcique</translation>
    </message>
    <message>
        <source>Total Alkalinity</source>
        <translation>TAC</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright&#xa0;!</translation>
    </message>
    <message>
        <source>A real simple tool to help you calculate bleach additions</source>
        <translation>Un outil tout simple pour doser le chlore liquide</translation>
    </message>
    <message>
        <source>By using this tool, you accept all responsibilities for the results.  There are no warranties expressed or implied to its function.  </source>
        <translation>En utilisant cet outil, vous êtes seul responsable des résultats. Aucune garantie, expresse ou implicite, de son fonctionnement.</translation>
    </message>
    <message>
        <source>Basically, if you screw your pool up, it&apos;s your own darn fault!</source>
        <translation>En clair&#xa0;: si vous ratez votre piscine, c’est votre faute&#xa0;!</translation>
    </message>
    <message>
        <source>Would you like a calculation added? E-mail your request to poolwright@example.org</source>
        <translation>Un calcul vous manque&#xa0;? Écrivez à poolwright@example.org</translation>
    </message>
    <message>
        <source>Do you just use this, but don&apos;t have any suggestions?  That&apos;s cool, drop me a line anyway to let me know you&apos;re using it!</source>
        <translation>Vous l’utilisez sans rien à suggérer&#xa0;? Très bien, écrivez-moi quand même pour me le dire&#xa0;!</translation>
    </message>
    <message>
        <source>Test your water again after adding any chemical.</source>
        <translation>Analysez de nouveau l’eau après tout ajout de produit.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Alkalinity calculation</source>
        <translation>Calcul de l’alcalinité (TAC)</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinité</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Hausse voulue (ppm)</translation>
    </message>
    <message>
        <source>RAISE</source>
        <translation>Élever</translation>
    </message>
    <message>
        <source>with Sodium Bicarbonate</source>
        <translation>au bicarbonate de soude</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Calcium Hardness calcs</source>
        <translation>Calcul de la dureté calcique</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Dureté calcique</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Hausse voulue (ppm)</translation>
    </message>
    <message>
        <source>Calcium Chloride</source>
        <translation>Chlorure de Ca</translation>
    </message>
    <message>
        <source>Calcium Chloride Dihydrate</source>
        <translation>Chlorure de Ca dihydraté</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Cyanuric Acid Calc</source>
        <translation>Calcul du stabilisant</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Acide cyanurique</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Hausse voulue (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>pH Calcs</source>
        <translation>Calculs de pH</translation>
    </message>
    <message>
        <source>These calcs assume ALK isn&apos;t really high or low, as alk will DEFINITELY affect how much the pH moves</source>
        <translation>Calculs valables pour un TAC ni très haut ni très bas&#xa0;: le TAC joue FORTEMENT sur la variation du pH</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>RAISE pH 0.2</source>
        <translation>MONTER pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonate de sodium (oz)</translation>
    </message>
    <message>
        <source>(This is Soda Ash, NOT borax!)</source>
        <translation>(C’est du pH+, PAS du borax&#xa0;!)</translation>
    </message>
    <message>
        <source>LOWER pH 0.2</source>
        <translation>BAISSER pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisulfate de Na (pH moins) (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Acide chlorhydrique 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Dilution Calcs</source>
        <translation>Dilution</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Test reading from the pool in PPM</source>
        <translation>Mesure de la piscine (ppm)</translation>
    </message>
    <message>
        <source>Test reading of the refill water in PPM</source>
        <translation>Mesure de l’eau d’appoint (ppm)</translation>
    </message>
    <message>
        <source>PPM you want to be at</source>
        <translation>Valeur visée (ppm)</translation>
    </message>
    <message>
        <source>Percentage to drain</source>
        <translation>Part à vidanger</translation>
    </message>
    <message>
        <source>Volume to drain</source>
        <translation>Volume à vidanger</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Borax Calcs</source>
        <translation>Calcul du borax</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borax</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Borax (tétraborate de Na) (oz)</translation>
    </message>
    <message>
        <source>Tetraborates PPM added</source>
        <translation>Tétraborate ajouté (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>This is for calculating how much borax to add to function as an additional algaecide, not pH changes.  Reccomended target PPM is 50.</source>
        <translation>Calcule le borax à ajouter comme algicide d’appoint, pas pour corriger le pH. Valeur conseillée&#xa0;: 50 ppm.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Volume Calcs</source>
        <translation>Calcul du volume</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume du bassin</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larg.</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Avg Depth</source>
        <translation>Prof. moy.</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Toutes les mesures en PIEDS, les volumes en GALLONS</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chlorine strength of the bleach, in percent: for 6 % bleach type 6.</source>
        <translation>La teneur en chlore actif du chlore liquide, en pour cent&#xa0;: pour du chlore liquide à 6&#xa0;%, tapez 6.</translation>
    </message>
    <message>
        <source>An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.</source>
        <translation>Une quantité de chlore liquide, en gallons US&#xa0;: Calculer donne la hausse du chlore qu’elle produit.</translation>
    </message>
    <message>
        <source>An amount of bleach, in litres: Calculate gives the rise in chlorine it makes.</source>
        <translation>Une quantité de chlore liquide, en litres&#xa0;: Calculer donne la hausse du chlore qu’elle produit.</translation>
    </message>
    <message>
        <source>The rise in chlorine you want, in ppm: Calculate gives the bleach it takes.</source>
        <translation>La hausse du chlore voulue, en ppm&#xa0;: Calculer donne le chlore liquide nécessaire.</translation>
    </message>
    <message>
        <source>The rise in chlorine, in ppm, that the amount of bleach makes.</source>
        <translation>La hausse du chlore, en ppm, que produit la quantité de chlore liquide.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons to a tenth.</source>
        <translation>Le chlore liquide à ajouter, à la teneur indiquée, en gallons US au dixième près.</translation>
    </message>
    <message>
        <source>The bleach to add in US gallons, worked out in Imperial only: the litres show in the box above.</source>
        <translation>Le chlore liquide à ajouter en gallons US, calculé en impérial seulement&#xa0;: les litres s’affichent dans la case du dessus.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons, quarts, cups and fluid ounces.</source>
        <translation>Le chlore liquide à ajouter, à la teneur indiquée, en gallons US, quarts, tasses et onces liquides.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in litres to a tenth.</source>
        <translation>Le chlore liquide à ajouter, à la teneur indiquée, en litres au dixième près.</translation>
    </message>
    <message>
        <source>Quantity of bleach (Gal.)</source>
        <translation>Chlore liquide (gal)</translation>
    </message>
    <message>
        <source>Quantity of bleach (L)</source>
        <translation>Chlore liquide (L)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinité</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Dureté calcique</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Acide cyanurique</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Dilution</source>
        <translation>Dilution</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Borax</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume du bassin</translation>
    </message>
    <message>
        <source>Salt Calcs</source>
        <translation>Calcul du sel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Saturation Index</source>
        <translation>Indice de saturation</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error number %1 (0x%2)</source>
        <translation>Erreur numéro %1 (0x%2)</translation>
    </message>
    <message>
        <source>A white box is empty. Please fill in a number before hitting calculate!</source>
        <translation>Une case blanche est vide. Saisissez un nombre avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>A box holds only blanks, which is not a number. Please enter a number before hitting calculate!</source>
        <translation>Une case ne contient que des espaces, ce qui n’est pas un nombre. Saisissez un nombre avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Please enter a number before hitting calculate!</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre. Saisissez un nombre avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>The pool size may not be 0.</source>
        <translation>Le volume du bassin ne peut pas être 0.</translation>
    </message>
    <message>
        <source>The bleach required cannot be worked out for a chlorine strength of 0.</source>
        <translation>Le chlore liquide à ajouter ne peut pas être calculé pour une teneur en chlore de 0.</translation>
    </message>
    <message>
        <source>The share to drain cannot be worked out when the refill water reads the same as the pool.</source>
        <translation>La part à vidanger ne peut pas être calculée quand l’eau d’appoint donne la même mesure que le bassin.</translation>
    </message>
    <message>
        <source>The result is too large to be worked out. Please check the figures in the white boxes.</source>
        <translation>Le résultat est trop grand pour être calculé. Vérifiez les nombres des cases blanches.</translation>
    </message>
    <message>
        <source>Please fill in all white boxes before hitting calculate!</source>
        <translation>Remplissez toutes les cases blanches avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>Please fill in all fields before hitting calculate!</source>
        <translation>Remplissez tous les champs avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>Please fill in how much PPM increase is required before hitting calculate!</source>
        <translation>Indiquez la hausse voulue en ppm avant de cliquer sur Calculer&#xa0;!</translation>
    </message>
    <message>
        <source>Please choose Imperial or Metric before hitting Save &amp; Close!</source>
        <translation>Choisissez Impérial ou Métrique avant de cliquer sur Enregistrer&#xa0;!</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Les réglages n’ont pas pu être lus.</translation>
    </message>
    <message>
        <source>The settings could not be saved. What you typed is kept, so you can try again.</source>
        <translation>Les réglages n’ont pas pu être enregistrés. Ce que vous avez saisi est conservé, vous pouvez réessayer.</translation>
    </message>
</context>
<context>
    <name>PhWindow</name>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.</source>
        <translation>Le carbonate de sodium (pH plus) qui monte le pH de 0,2, en onces (poids).</translation>
    </message>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.</source>
        <translation>Le carbonate de sodium (pH plus) qui monte le pH de 0,2, en grammes.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or the muriatic acid, not both.</source>
        <translation>Le bisulfate de sodium (pH moins en poudre) qui baisse le pH de 0,2, en onces (poids). Ajoutez ceci ou l’acide chlorhydrique, pas les deux.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the muriatic acid, not both.</source>
        <translation>Le bisulfate de sodium (pH moins en poudre) qui baisse le pH de 0,2, en grammes. Ajoutez ceci ou l’acide chlorhydrique, pas les deux.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid ounces. Add this or the dry acid, not both.</source>
        <translation>L’acide chlorhydrique à 31&#xa0;% (vendu à 31,45&#xa0;%) qui baisse le pH de 0,2, en onces liquides US. Ajoutez ceci ou le pH moins en poudre, pas les deux.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. Add this or the dry acid, not both.</source>
        <translation>L’acide chlorhydrique à 31&#xa0;% (vendu à 31,45&#xa0;%) qui baisse le pH de 0,2, en millilitres. Ajoutez ceci ou le pH moins en poudre, pas les deux.</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonate de sodium (oz)</translation>
    </message>
    <message>
        <source>Sodium Carbonate (g)</source>
        <translation>Carbonate de sodium (g)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisulfate de Na (pH moins) (oz)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (g)</source>
        <translation>Bisulfate de Na (pH moins) (g)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Acide chlorhydrique 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (ml)</source>
        <translation>Acide chlorhydrique 31&#xa0;% (ml)</translation>
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
        <translation>Volume (L)</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in US gallons.</source>
        <translation>Le volume d’eau du bassin, en gallons US.</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in litres.</source>
        <translation>Le volume d’eau du bassin, en litres.</translation>
    </message>
</context>
<context>
    <name>PoolVolumeWindow</name>
    <message>
        <source>The length of the rectangular pool, in feet.</source>
        <translation>La longueur du bassin rectangulaire, en pieds.</translation>
    </message>
    <message>
        <source>The length of the rectangular pool, in metres.</source>
        <translation>La longueur du bassin rectangulaire, en mètres.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in feet.</source>
        <translation>La largeur du bassin rectangulaire, en pieds.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in metres.</source>
        <translation>La largeur du bassin rectangulaire, en mètres.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in feet.</source>
        <translation>La profondeur moyenne du bassin rectangulaire, en pieds.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in metres.</source>
        <translation>La profondeur moyenne du bassin rectangulaire, en mètres.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in US gallons.</source>
        <translation>L’eau du bassin rectangulaire, en gallons US.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in litres.</source>
        <translation>L’eau du bassin rectangulaire, en litres.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in feet. Oval means an ellipse.</source>
        <translation>La longueur du bassin ovale, dans sa plus grande dimension, en pieds. Ovale signifie ici une ellipse.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in metres. Oval means an ellipse.</source>
        <translation>La longueur du bassin ovale, dans sa plus grande dimension, en mètres. Ovale signifie ici une ellipse.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in feet.</source>
        <translation>La largeur du bassin ovale, à son plus large en travers de la longueur, en pieds.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in metres.</source>
        <translation>La largeur du bassin ovale, à son plus large en travers de la longueur, en mètres.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in feet.</source>
        <translation>La profondeur moyenne du bassin ovale, en pieds.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in metres.</source>
        <translation>La profondeur moyenne du bassin ovale, en mètres.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in US gallons.</source>
        <translation>L’eau du bassin ovale, pris comme une ellipse, en gallons US.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in litres.</source>
        <translation>L’eau du bassin ovale, pris comme une ellipse, en litres.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in feet.</source>
        <translation>Le diamètre du bassin rond, en pieds.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in metres.</source>
        <translation>Le diamètre du bassin rond, en mètres.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in feet.</source>
        <translation>La profondeur du bassin rond, en pieds.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in metres.</source>
        <translation>La profondeur du bassin rond, en mètres.</translation>
    </message>
    <message>
        <source>The water in the round pool, in US gallons.</source>
        <translation>L’eau du bassin rond, en gallons US.</translation>
    </message>
    <message>
        <source>The water in the round pool, in litres.</source>
        <translation>L’eau du bassin rond, en litres.</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Toutes les mesures en PIEDS, les volumes en GALLONS</translation>
    </message>
    <message>
        <source>All Measurements in METRES, volumes in LITRES</source>
        <translation>Toutes les mesures en MÈTRES, les volumes en LITRES</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 pound(s)</source>
        <translation>
            <numerusform>%1 livre</numerusform>
            <numerusform>%1 livres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>ounces of weight</comment>
        <translation>
            <numerusform>%1 once</numerusform>
            <numerusform>%1 onces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Gallon(s)</source>
        <comment>tenths of a gallon</comment>
        <translation>%1 gallon(s)</translation>
    </message>
    <message>
        <source>%1 Litre(s)</source>
        <comment>tenths of a litre</comment>
        <translation>%1 L</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <comment>a liquid measure: gallons, quarts, cups and fluid ounces</comment>
        <translation>%1, %2, %3 et %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 Gallon(s)</source>
        <comment>whole gallons</comment>
        <translation>
            <numerusform>%1 gallon</numerusform>
            <numerusform>%1 gallons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 quart(s)</source>
        <translation>
            <numerusform>%1 quart</numerusform>
            <numerusform>%1 quarts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cup(s)</source>
        <translation>
            <numerusform>%1 tasse</numerusform>
            <numerusform>%1 tasses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>fluid ounces</comment>
        <translation>
            <numerusform>%1 once</numerusform>
            <numerusform>%1 onces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaltWindow</name>
    <message>
        <source>An amount of salt, in pounds: Calculate gives the rise in salt it makes.</source>
        <translation>Une quantité de sel, en livres&#xa0;: Calculer donne la hausse du taux de sel qu’elle produit.</translation>
    </message>
    <message>
        <source>An amount of salt, in kilograms: Calculate gives the rise in salt it makes.</source>
        <translation>Une quantité de sel, en kilogrammes&#xa0;: Calculer donne la hausse du taux de sel qu’elle produit.</translation>
    </message>
    <message>
        <source>The rise in salt you want, in ppm: Calculate gives the salt it takes.</source>
        <translation>La hausse du taux de sel voulue, en ppm&#xa0;: Calculer donne le sel nécessaire.</translation>
    </message>
    <message>
        <source>The rise in salt, in ppm, that the amount of salt makes.</source>
        <translation>La hausse du taux de sel, en ppm, que produit la quantité de sel.</translation>
    </message>
    <message>
        <source>Salt to add, in pounds.</source>
        <translation>Le sel pour piscine à ajouter, en livres.</translation>
    </message>
    <message>
        <source>Salt to add, in kilograms.</source>
        <translation>Le sel pour piscine à ajouter, en kilogrammes.</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sel (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt</source>
        <translation>Sel (kg)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sel à ajouter (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt needed</source>
        <translation>Sel à ajouter (kg)</translation>
    </message>
</context>
<context>
    <name>SaturationWindow</name>
    <message>
        <source>The pH of the pool water.</source>
        <translation>Le pH de l’eau du bassin.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Fahrenheit.</source>
        <translation>La température de l’eau, en degrés Fahrenheit.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Celsius.</source>
        <translation>La température de l’eau, en degrés Celsius.</translation>
    </message>
    <message>
        <source>The calcium hardness, in ppm.</source>
        <translation>La dureté calcique, en ppm.</translation>
    </message>
    <message>
        <source>The total alkalinity, in ppm.</source>
        <translation>Le TAC (alcalinité totale), en ppm.</translation>
    </message>
    <message>
        <source>The Langelier saturation index of the water, worked out from the four readings above.</source>
        <translation>L’indice de saturation de Langelier de l’eau, calculé à partir des quatre mesures ci-dessus.</translation>
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
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>a folder</source>
        <comment>stands where the settings file should be</comment>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <comment>stands where the settings file should be</comment>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <comment>stands where the settings file should be</comment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <comment>stands where the settings file should be</comment>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>something else</source>
        <comment>stands where the settings file should be</comment>
        <translation>autre chose</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of settings</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of settings</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None of the three settings was saved.</source>
        <translation>Aucun des trois réglages n’a été enregistré.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 was not.</source>
        <translation>Enregistré&#xa0;: %1. Non enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 were not.</source>
        <translation>Enregistré&#xa0;: %1. Non enregistrés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 was not.</source>
        <translation>Enregistrés&#xa0;: %1. Non enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 were not.</source>
        <translation>Enregistrés : %1. Non enregistrés : %2.</translation>
    </message>
    <message>
        <source>The setting %1 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>Le réglage %1 n’est pas enregistré sous forme de texte et ne peut donc pas être lu. Enregistrer une nouvelle valeur le remplace.</translation>
    </message>
    <message>
        <source>The setting %1 in %2 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>Le réglage %1 dans %2 n’est pas enregistré sous forme de texte et ne peut donc pas être lu. Enregistrer une nouvelle valeur le remplace.</translation>
    </message>
    <message>
        <source>It is %1, far larger than three settings need, so only its beginning was read.</source>
        <translation>Il fait %1, bien plus que ce que demandent trois réglages&#xa0;; seul son début a donc été lu.</translation>
    </message>
    <message numerus="yes">
        <source>It has more than %n lines, far more than three settings need, so only its beginning was read.</source>
        <translation>
            <numerusform>Il a plus de %n ligne, bien plus que ce que demandent trois réglages ; seul son début a donc été lu.</numerusform>
            <numerusform>Il a plus de %n lignes, bien plus que ce que demandent trois réglages ; seul son début a donc été lu.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds bytes that are not text.</source>
        <translation>Il contient des octets qui ne sont pas du texte.</translation>
    </message>
    <message>
        <source>It holds lines that are not settings.</source>
        <translation>Il contient des lignes qui ne sont pas des réglages.</translation>
    </message>
    <message>
        <source>It gives %1 more than once; the last one was read.</source>
        <translation>Il donne %1 plusieurs fois&#xa0;; c’est la dernière qui a été lue.</translation>
    </message>
    <message>
        <source>AppName may not be empty</source>
        <translation>AppName ne peut pas être vide</translation>
    </message>
    <message>
        <source>Section may not be empty</source>
        <translation>Section ne peut pas être vide</translation>
    </message>
    <message>
        <source>Key may not be empty</source>
        <translation>Key ne peut pas être vide</translation>
    </message>
    <message>
        <source>Could not open registry section</source>
        <translation>Impossible d’ouvrir la section des réglages</translation>
    </message>
    <message>
        <source>Registry data not a string</source>
        <translation>La donnée enregistrée n’est pas du texte</translation>
    </message>
    <message>
        <source>Could not open/create registry section</source>
        <translation>Impossible d’ouvrir ou de créer la section des réglages</translation>
    </message>
    <message>
        <source>Could not set key value</source>
        <translation>Impossible d’écrire la valeur</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is %3, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 est un lien vers %2, qui est %3, pas un fichier. Renommez-le ou supprimez-le, et Poolwright pourra de nouveau y garder ses réglages.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 est %2, pas un fichier. Renommez-le ou supprimez-le, et Poolwright pourra de nouveau y garder ses réglages.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to read it.</source>
        <translation>%1 ne peut pas être lu&#xa0;: vous n’avez pas l’autorisation de le lire.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the settings cannot be saved in it.</source>
        <translation>%1 est en lecture seule&#xa0;; les réglages ne peuvent donc pas y être enregistrés.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist and cannot be made, as its folder does not exist either.</source>
        <translation>%1 est un lien vers %2, qui n’existe pas et ne peut pas être créé, car son dossier n’existe pas non plus.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings cannot be saved in it.</source>
        <translation>Le dossier %1 est en lecture seule&#xa0;; les réglages ne peuvent donc pas y être enregistrés.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is read-only.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: %2 est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: %2 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and the part of it that is read could not be copied to a temporary file (%2).</source>
        <translation>%1 est bien plus gros que ce que demandent trois réglages, et la partie lue n’a pas pu être copiée dans un fichier temporaire (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read in full, and a copy of it could not be kept beside it (%2), so it was not written over.</source>
        <translation>%1 n’a pas pu être lu en entier, et une copie n’a pas pu être gardée à côté (%2)&#xa0;; il n’a donc pas été écrasé.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and it could not be replaced by a smaller one. A copy of it was kept as %2.</source>
        <translation>%1 est bien plus gros que ce que demandent trois réglages, et il n’a pas pu être remplacé par un plus petit. Une copie a été gardée sous %2.</translation>
    </message>
    <message numerus="yes">
        <source>The value for %1 is too long to be kept in %2 (%3 bytes).</source>
        <translation>
            <numerusform>La valeur de %1 est trop longue pour être gardée dans %2 (%3 octets).</numerusform>
            <numerusform>La valeur de %1 est trop longue pour être gardée dans %2 (%3 octets).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk it is on is full.</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: son disque est plein.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 is read-only.</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: son dossier %2 est en lecture seule.</translation>
    </message>
    <message>
        <source>the pool size</source>
        <translation>le volume du bassin</translation>
    </message>
    <message>
        <source>the bleach strength</source>
        <translation>la teneur en chlore</translation>
    </message>
    <message>
        <source>the unit of measure</source>
        <translation>le système d’unités</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full, so a copy of it was kept as %1 before the new settings were saved. %2</source>
        <translation>Votre fichier de réglages n’a pas pu être lu en entier&#xa0;; une copie a donc été gardée sous %1 avant l’enregistrement des nouveaux réglages. %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>The pool size the calculators start with, in US gallons while Imperial is chosen below. It is kept as typed: choosing Metric does not convert it, so type the size in litres then.</source>
        <translation>Le volume du bassin proposé au départ des calculs, en gallons US tant qu’Impérial est choisi ci-dessous. Il est gardé tel que saisi&#xa0;: choisir Métrique ne le convertit pas, tapez alors le volume en litres.</translation>
    </message>
    <message>
        <source>The pool size the calculators start with, in litres while Metric is chosen below. It is kept as typed: choosing Imperial does not convert it, so type the size in US gallons then.</source>
        <translation>Le volume du bassin proposé au départ des calculs, en litres tant que Métrique est choisi ci-dessous. Il est gardé tel que saisi&#xa0;: choisir Impérial ne le convertit pas, tapez alors le volume en gallons US.</translation>
    </message>
    <message>
        <source>The chlorine strength of your bleach, in percent, that the main window starts with: for 6 % bleach type 6.</source>
        <translation>La teneur en chlore actif de votre chlore liquide, en pour cent, proposée au départ dans la fenêtre principale&#xa0;: pour du chlore liquide à 6&#xa0;%, tapez 6.</translation>
    </message>
</context>
</TS>
