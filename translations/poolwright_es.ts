<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlkalinityWindow</name>
    <message>
        <source>The rise in total alkalinity you want, in ppm.</source>
        <translation>La subida de alcalinidad total deseada, en ppm.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in pounds and ounces.</source>
        <translation>Bicarbonato sódico (incrementador de alcalinidad) que hay que añadir, en libras y onzas.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in kilograms.</source>
        <translation>Bicarbonato sódico (incrementador de alcalinidad) que hay que añadir, en kilogramos.</translation>
    </message>
</context>
<context>
    <name>BoraxWindow</name>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in ounces by weight.</source>
        <translation>Bórax (tetraborato sódico decahidratado) que hay que añadir, en onzas de peso.</translation>
    </message>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in kilograms.</source>
        <translation>Bórax (tetraborato sódico decahidratado) que hay que añadir, en kilogramos.</translation>
    </message>
    <message>
        <source>The tetraborate that the borax adds, in ppm. Test kits give borates as ppm of boron, about 0.28 times this figure.</source>
        <translation>El tetraborato que aporta el bórax, en ppm. Los kits de análisis dan los boratos en ppm de boro, unas 0,28 veces esta cifra.</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato sódico decahidr. (oz)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (k)</source>
        <translation>Tetraborato sódico decahidr. (kg)</translation>
    </message>
</context>
<context>
    <name>CalciumWindow</name>
    <message>
        <source>The rise in calcium hardness you want, in ppm.</source>
        <translation>La subida de dureza cálcica deseada, en ppm.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the dihydrate below, not both.</source>
        <translation>Cloruro cálcico anhidro que hay que añadir, en libras y onzas. Añada este o el dihidrato de abajo, no los dos.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate below, not both.</source>
        <translation>Cloruro cálcico anhidro que hay que añadir, en kilogramos. Añada este o el dihidrato de abajo, no los dos.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in pounds and ounces. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloruro cálcico dihidrato que hay que añadir, en libras y onzas. Añada este o el cloruro cálcico anhidro de arriba, no los dos.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloruro cálcico dihidrato que hay que añadir, en kilogramos. Añada este o el cloruro cálcico anhidro de arriba, no los dos.</translation>
    </message>
</context>
<context>
    <name>CyanuricWindow</name>
    <message>
        <source>The rise in cyanuric acid (stabiliser) you want, in ppm.</source>
        <translation>La subida de ácido cianúrico (estabilizante) deseada, en ppm.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in pounds and ounces.</source>
        <translation>Ácido cianúrico (estabilizante) que hay que añadir, en libras y onzas.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in kilograms.</source>
        <translation>Ácido cianúrico (estabilizante) que hay que añadir, en kilogramos.</translation>
    </message>
</context>
<context>
    <name>DilutionWindow</name>
    <message>
        <source>The pool water&apos;s test reading of what is too high, in ppm.</source>
        <translation>La lectura, en el agua de la piscina, de lo que está demasiado alto, en ppm.</translation>
    </message>
    <message>
        <source>The refill water&apos;s test reading of the same, in ppm.</source>
        <translation>La lectura de lo mismo en el agua de aporte, en ppm.</translation>
    </message>
    <message>
        <source>The reading you want after draining and refilling, in ppm.</source>
        <translation>La lectura deseada tras vaciar y rellenar, en ppm.</translation>
    </message>
    <message>
        <source>The share of the pool to drain and refill, as a fraction: 0.44 means 44 % of the pool.</source>
        <translation>La proporción de la piscina que hay que vaciar y rellenar, como fracción: 0,44 significa el 44&#xa0;% de la piscina.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in US gallons.</source>
        <translation>El agua que hay que vaciar y reponer, en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in litres.</source>
        <translation>El agua que hay que vaciar y reponer, en litros.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Poolwright!</source>
        <translation>¡Poolwright!</translation>
    </message>
    <message>
        <source>Poolwright</source>
        <translation>Poolwright</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>Chlorine Strength (enter 6% as 6)</source>
        <translation>Cloro activo (6&#xa0;%: escriba 6)</translation>
    </message>
    <message>
        <source>Quantity of bleach  (gal.)</source>
        <translation>Cloro líquido (gal)</translation>
    </message>
    <message>
        <source>PPM Increase desired</source>
        <translation>Subida deseada (ppm)</translation>
    </message>
    <message>
        <source>PPM Increase</source>
        <translation>Subida (ppm)</translation>
    </message>
    <message>
        <source>Bleach required</source>
        <translation>Cloro necesario</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>More Calcs</source>
        <translation>Más cálculos</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Salt Calcs</source>
        <translation>Cálculo de sal</translation>
    </message>
    <message>
        <source>Salt Calculator</source>
        <translation>Cálculo de sal</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sal (lb)</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- O -</translation>
    </message>
    <message>
        <source>PPM Increase Desired</source>
        <translation>Subida deseada (ppm)</translation>
    </message>
    <message>
        <source>Salt PPM will go up by</source>
        <translation>Subida de sal (ppm)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sal necesaria (lb)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Poolwright Defaults</source>
        <translation>Valores por defecto de Poolwright</translation>
    </message>
    <message>
        <source>Default Pool Size</source>
        <translation>Volumen inicial</translation>
    </message>
    <message>
        <source>Default Bleach Strength</source>
        <translation>Cloro activo por defecto</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Unit of measure</source>
        <translation>Unidades de medida</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Guardar</translation>
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
        <translation>Índice de Langelier</translation>
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
        <translation>Dureza cálcica</translation>
    </message>
    <message>
        <source>Total Alkalinity</source>
        <translation>Alcalinidad total</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Poolwright!</source>
        <translation>¡Poolwright!</translation>
    </message>
    <message>
        <source>A real simple tool to help you calculate bleach additions</source>
        <translation>Una herramienta muy sencilla para dosificar cloro</translation>
    </message>
    <message>
        <source>By using this tool, you accept all responsibilities for the results.  There are no warranties expressed or implied to its function.  </source>
        <translation>Al usar esta herramienta, usted asume toda la responsabilidad de los resultados. Sin garantía expresa ni implícita.</translation>
    </message>
    <message>
        <source>Basically, if you screw your pool up, it&apos;s your own darn fault!</source>
        <translation>En resumen: si estropea su piscina, ¡la culpa es solo suya!</translation>
    </message>
    <message>
        <source>Would you like a calculation added? E-mail your request to poolwright@example.org</source>
        <translation>¿Echa en falta un cálculo? Escriba a poolwright@example.org</translation>
    </message>
    <message>
        <source>Do you just use this, but don&apos;t have any suggestions?  That&apos;s cool, drop me a line anyway to let me know you&apos;re using it!</source>
        <translation>¿Lo usa y no tiene sugerencias? Perfecto, escríbame igualmente para contármelo.</translation>
    </message>
    <message>
        <source>Test your water again after adding any chemical.</source>
        <translation>Vuelva a analizar el agua tras añadir cualquier producto.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Alkalinity calculation</source>
        <translation>Cálculo de la alcalinidad</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinid.</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Subida deseada (ppm)</translation>
    </message>
    <message>
        <source>RAISE</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>with Sodium Bicarbonate</source>
        <translation>con bicarbonato sódico</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Calcium Hardness calcs</source>
        <translation>Cálculo de la dureza cálcica</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Dureza cálcica</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Subida deseada (ppm)</translation>
    </message>
    <message>
        <source>Calcium Chloride</source>
        <translation>Cloruro cálcico</translation>
    </message>
    <message>
        <source>Calcium Chloride Dihydrate</source>
        <translation>Cloruro cálcico dihidrato</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Cyanuric Acid Calc</source>
        <translation>Cálculo del estabilizante</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Ácido cianúrico</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Subida deseada (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>pH Calcs</source>
        <translation>Cálculos de pH</translation>
    </message>
    <message>
        <source>These calcs assume ALK isn&apos;t really high or low, as alk will DEFINITELY affect how much the pH moves</source>
        <translation>Cálculos para alcalinidad ni muy alta ni muy baja: la alcalinidad AFECTA MUCHO a cuánto varía el pH</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>RAISE pH 0.2</source>
        <translation>SUBIR pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato sódico (oz)</translation>
    </message>
    <message>
        <source>(This is Soda Ash, NOT borax!)</source>
        <translation>(Es pH+ en polvo, ¡NO bórax!)</translation>
    </message>
    <message>
        <source>LOWER pH 0.2</source>
        <translation>BAJAR pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisulfato sódico (pH-) (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Ácido clorhídrico 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Dilution Calcs</source>
        <translation>Dilución</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>Test reading from the pool in PPM</source>
        <translation>Lectura de la piscina (ppm)</translation>
    </message>
    <message>
        <source>Test reading of the refill water in PPM</source>
        <translation>Lectura del agua de aporte (ppm)</translation>
    </message>
    <message>
        <source>PPM you want to be at</source>
        <translation>Valor deseado (ppm)</translation>
    </message>
    <message>
        <source>Percentage to drain</source>
        <translation>Proporción a vaciar</translation>
    </message>
    <message>
        <source>Volume to drain</source>
        <translation>Volumen a vaciar</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
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
        <translation>Cálculo de bórax</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Bórax</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato sódico decahidr. (oz)</translation>
    </message>
    <message>
        <source>Tetraborates PPM added</source>
        <translation>Tetraboratos (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
    <message>
        <source>This is for calculating how much borax to add to function as an additional algaecide, not pH changes.  Reccomended target PPM is 50.</source>
        <translation>Calcula el bórax que hay que añadir como alguicida complementario, no para corregir el pH. Valor recomendado: 50 ppm.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Volume Calcs</source>
        <translation>Cálculo del volumen</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volumen de la piscina</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>¡Calcular!</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Avg Depth</source>
        <translation>Prof. media</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovalada</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redonda</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Todas las medidas en PIES, volúmenes en GALONES</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chlorine strength of the bleach, in percent: for 6 % bleach type 6.</source>
        <translation>La concentración de cloro activo del cloro líquido, en porcentaje: para cloro al 6&#xa0;%, escriba 6.</translation>
    </message>
    <message>
        <source>An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.</source>
        <translation>Una cantidad de cloro líquido, en galones estadounidenses: Calcular da la subida de cloro que produce.</translation>
    </message>
    <message>
        <source>An amount of bleach, in litres: Calculate gives the rise in chlorine it makes.</source>
        <translation>Una cantidad de cloro líquido, en litros: Calcular da la subida de cloro que produce.</translation>
    </message>
    <message>
        <source>The rise in chlorine you want, in ppm: Calculate gives the bleach it takes.</source>
        <translation>La subida de cloro deseada, en ppm: Calcular da el cloro líquido necesario.</translation>
    </message>
    <message>
        <source>The rise in chlorine, in ppm, that the amount of bleach makes.</source>
        <translation>La subida de cloro, en ppm, que produce la cantidad de cloro líquido.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons to a tenth.</source>
        <translation>El cloro líquido que hay que añadir, de la concentración indicada, en galones estadounidenses con un decimal.</translation>
    </message>
    <message>
        <source>The bleach to add in US gallons, worked out in Imperial only: the litres show in the box above.</source>
        <translation>El cloro líquido que hay que añadir en galones estadounidenses, calculado solo en el sistema imperial: los litros aparecen en la casilla de arriba.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons, quarts, cups and fluid ounces.</source>
        <translation>El cloro líquido que hay que añadir, de la concentración indicada, en galones estadounidenses, cuartos, tazas y onzas líquidas.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in litres to a tenth.</source>
        <translation>El cloro líquido que hay que añadir, de la concentración indicada, en litros con un decimal.</translation>
    </message>
    <message>
        <source>Quantity of bleach (Gal.)</source>
        <translation>Cloro líquido (gal)</translation>
    </message>
    <message>
        <source>Quantity of bleach (L)</source>
        <translation>Cloro líquido (L)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinidad</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Dureza cálcica</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Ácido cianúrico</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Dilution</source>
        <translation>Dilución</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Bórax</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volumen de la piscina</translation>
    </message>
    <message>
        <source>Salt Calcs</source>
        <translation>Cálculo de sal</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Saturation Index</source>
        <translation>Índice de saturación</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error number %1 (0x%2)</source>
        <translation>Error número %1 (0x%2)</translation>
    </message>
    <message>
        <source>A white box is empty. Please fill in a number before hitting calculate!</source>
        <translation>Una casilla blanca está vacía. ¡Escriba un número antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>A box holds only blanks, which is not a number. Please enter a number before hitting calculate!</source>
        <translation>Una casilla solo tiene espacios, que no son un número. ¡Escriba un número antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Please enter a number before hitting calculate!</source>
        <translation>«%1» no es un número. ¡Escriba un número antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>The pool size may not be 0.</source>
        <translation>El volumen de la piscina no puede ser 0.</translation>
    </message>
    <message>
        <source>The bleach required cannot be worked out for a chlorine strength of 0.</source>
        <translation>No se puede calcular el cloro líquido necesario para una concentración de cloro de 0.</translation>
    </message>
    <message>
        <source>The share to drain cannot be worked out when the refill water reads the same as the pool.</source>
        <translation>No se puede calcular la proporción a vaciar si el agua de aporte da la misma lectura que la piscina.</translation>
    </message>
    <message>
        <source>The result is too large to be worked out. Please check the figures in the white boxes.</source>
        <translation>El resultado es demasiado grande para calcularlo. Revise las cifras de las casillas blancas.</translation>
    </message>
    <message>
        <source>Please fill in all white boxes before hitting calculate!</source>
        <translation>¡Rellene todas las casillas blancas antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>Please fill in all fields before hitting calculate!</source>
        <translation>¡Rellene todos los campos antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>Please fill in how much PPM increase is required before hitting calculate!</source>
        <translation>¡Indique la subida necesaria en ppm antes de pulsar Calcular!</translation>
    </message>
    <message>
        <source>Please choose Imperial or Metric before hitting Save &amp; Close!</source>
        <translation>¡Elija Imperial o Métrico antes de pulsar Guardar!</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>No se pudo leer la configuración.</translation>
    </message>
    <message>
        <source>The settings could not be saved. What you typed is kept, so you can try again.</source>
        <translation>No se pudo guardar la configuración. Lo que escribió se conserva, así que puede volver a intentarlo.</translation>
    </message>
</context>
<context>
    <name>PhWindow</name>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.</source>
        <translation>Carbonato sódico (incrementador de pH) que sube el pH 0,2, en onzas de peso.</translation>
    </message>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.</source>
        <translation>Carbonato sódico (incrementador de pH) que sube el pH 0,2, en gramos.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or the muriatic acid, not both.</source>
        <translation>Bisulfato sódico (minorador de pH sólido) que baja el pH 0,2, en onzas de peso. Añada este o el ácido clorhídrico, no los dos.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the muriatic acid, not both.</source>
        <translation>Bisulfato sódico (minorador de pH sólido) que baja el pH 0,2, en gramos. Añada este o el ácido clorhídrico, no los dos.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid ounces. Add this or the dry acid, not both.</source>
        <translation>Ácido clorhídrico al 31&#xa0;% (se vende al 31,45&#xa0;%) que baja el pH 0,2, en onzas líquidas estadounidenses. Añada este o el minorador de pH sólido, no los dos.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. Add this or the dry acid, not both.</source>
        <translation>Ácido clorhídrico al 31&#xa0;% (se vende al 31,45&#xa0;%) que baja el pH 0,2, en mililitros. Añada este o el minorador de pH sólido, no los dos.</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato sódico (oz)</translation>
    </message>
    <message>
        <source>Sodium Carbonate (g)</source>
        <translation>Carbonato sódico (g)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bisulfato sódico (pH-) (oz)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (g)</source>
        <translation>Bisulfato sódico (pH-) (g)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Ácido clorhídrico 31&#xa0;% (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (ml)</source>
        <translation>Ácido clorhídrico 31&#xa0;% (ml)</translation>
    </message>
</context>
<context>
    <name>PoolSize</name>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volumen (gal)</translation>
    </message>
    <message>
        <source>Pool Size (L)</source>
        <translation>Volumen (L)</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in US gallons.</source>
        <translation>El volumen de agua de la piscina, en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in litres.</source>
        <translation>El volumen de agua de la piscina, en litros.</translation>
    </message>
</context>
<context>
    <name>PoolVolumeWindow</name>
    <message>
        <source>The length of the rectangular pool, in feet.</source>
        <translation>El largo de la piscina rectangular, en pies.</translation>
    </message>
    <message>
        <source>The length of the rectangular pool, in metres.</source>
        <translation>El largo de la piscina rectangular, en metros.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in feet.</source>
        <translation>El ancho de la piscina rectangular, en pies.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in metres.</source>
        <translation>El ancho de la piscina rectangular, en metros.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in feet.</source>
        <translation>La profundidad media de la piscina rectangular, en pies.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in metres.</source>
        <translation>La profundidad media de la piscina rectangular, en metros.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in US gallons.</source>
        <translation>El agua de la piscina rectangular, en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in litres.</source>
        <translation>El agua de la piscina rectangular, en litros.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in feet. Oval means an ellipse.</source>
        <translation>El largo de la piscina ovalada, en su dimensión mayor, en pies. Ovalada significa aquí una elipse.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in metres. Oval means an ellipse.</source>
        <translation>El largo de la piscina ovalada, en su dimensión mayor, en metros. Ovalada significa aquí una elipse.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in feet.</source>
        <translation>El ancho de la piscina ovalada, en su punto más ancho, perpendicular al largo, en pies.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in metres.</source>
        <translation>El ancho de la piscina ovalada, en su punto más ancho, perpendicular al largo, en metros.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in feet.</source>
        <translation>La profundidad media de la piscina ovalada, en pies.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in metres.</source>
        <translation>La profundidad media de la piscina ovalada, en metros.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in US gallons.</source>
        <translation>El agua de la piscina ovalada, tomada como una elipse, en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in litres.</source>
        <translation>El agua de la piscina ovalada, tomada como una elipse, en litros.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in feet.</source>
        <translation>El diámetro de la piscina redonda, en pies.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in metres.</source>
        <translation>El diámetro de la piscina redonda, en metros.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in feet.</source>
        <translation>La profundidad de la piscina redonda, en pies.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in metres.</source>
        <translation>La profundidad de la piscina redonda, en metros.</translation>
    </message>
    <message>
        <source>The water in the round pool, in US gallons.</source>
        <translation>El agua de la piscina redonda, en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The water in the round pool, in litres.</source>
        <translation>El agua de la piscina redonda, en litros.</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Todas las medidas en PIES, volúmenes en GALONES</translation>
    </message>
    <message>
        <source>All Measurements in METRES, volumes in LITRES</source>
        <translation>Todas las medidas en METROS, volúmenes en LITROS</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 pound(s)</source>
        <translation>
            <numerusform>%1 libra</numerusform>
            <numerusform>%1 libras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>ounces of weight</comment>
        <translation>
            <numerusform>%1 onza</numerusform>
            <numerusform>%1 onzas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Gallon(s)</source>
        <comment>tenths of a gallon</comment>
        <translation>%1 galón(es)</translation>
    </message>
    <message>
        <source>%1 Litre(s)</source>
        <comment>tenths of a litre</comment>
        <translation>%1 L</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <comment>a liquid measure: gallons, quarts, cups and fluid ounces</comment>
        <translation>%1, %2, %3 y %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 Gallon(s)</source>
        <comment>whole gallons</comment>
        <translation>
            <numerusform>%1 galón</numerusform>
            <numerusform>%1 galones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 quart(s)</source>
        <translation>
            <numerusform>%1 cuarto</numerusform>
            <numerusform>%1 cuartos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cup(s)</source>
        <translation>
            <numerusform>%1 taza</numerusform>
            <numerusform>%1 tazas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>fluid ounces</comment>
        <translation>
            <numerusform>%1 onza</numerusform>
            <numerusform>%1 onzas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaltWindow</name>
    <message>
        <source>An amount of salt, in pounds: Calculate gives the rise in salt it makes.</source>
        <translation>Una cantidad de sal, en libras: Calcular da la subida de sal que produce.</translation>
    </message>
    <message>
        <source>An amount of salt, in kilograms: Calculate gives the rise in salt it makes.</source>
        <translation>Una cantidad de sal, en kilogramos: Calcular da la subida de sal que produce.</translation>
    </message>
    <message>
        <source>The rise in salt you want, in ppm: Calculate gives the salt it takes.</source>
        <translation>La subida de sal deseada, en ppm: Calcular da la sal necesaria.</translation>
    </message>
    <message>
        <source>The rise in salt, in ppm, that the amount of salt makes.</source>
        <translation>La subida de sal, en ppm, que produce la cantidad de sal.</translation>
    </message>
    <message>
        <source>Salt to add, in pounds.</source>
        <translation>Sal para piscinas que hay que añadir, en libras.</translation>
    </message>
    <message>
        <source>Salt to add, in kilograms.</source>
        <translation>Sal para piscinas que hay que añadir, en kilogramos.</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sal (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt</source>
        <translation>Sal (kg)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sal necesaria (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt needed</source>
        <translation>Sal necesaria (kg)</translation>
    </message>
</context>
<context>
    <name>SaturationWindow</name>
    <message>
        <source>The pH of the pool water.</source>
        <translation>El pH del agua de la piscina.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Fahrenheit.</source>
        <translation>La temperatura del agua, en grados Fahrenheit.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Celsius.</source>
        <translation>La temperatura del agua, en grados Celsius.</translation>
    </message>
    <message>
        <source>The calcium hardness, in ppm.</source>
        <translation>La dureza cálcica, en ppm.</translation>
    </message>
    <message>
        <source>The total alkalinity, in ppm.</source>
        <translation>La alcalinidad total, en ppm.</translation>
    </message>
    <message>
        <source>The Langelier saturation index of the water, worked out from the four readings above.</source>
        <translation>El índice de saturación de Langelier del agua, calculado a partir de las cuatro lecturas de arriba.</translation>
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
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>a folder</source>
        <comment>stands where the settings file should be</comment>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <comment>stands where the settings file should be</comment>
        <translation>una tubería con nombre</translation>
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
        <translation>otra cosa</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of settings</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of settings</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>None of the three settings was saved.</source>
        <translation>No se guardó ninguno de los tres ajustes.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 was not.</source>
        <translation>Guardado: %1. No guardado: %2.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 were not.</source>
        <translation>Guardado: %1. No guardados: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 was not.</source>
        <translation>Guardados: %1. No guardado: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 were not.</source>
        <translation>Guardados: %1. No guardados: %2.</translation>
    </message>
    <message>
        <source>The setting %1 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>El ajuste %1 no está guardado como texto, así que no se puede leer. Al guardar un valor nuevo se sustituye.</translation>
    </message>
    <message>
        <source>The setting %1 in %2 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>El ajuste %1 de %2 no está guardado como texto, así que no se puede leer. Al guardar un valor nuevo se sustituye.</translation>
    </message>
    <message>
        <source>It is %1, far larger than three settings need, so only its beginning was read.</source>
        <translation>Ocupa %1, mucho más de lo que necesitan tres ajustes, así que solo se leyó el principio.</translation>
    </message>
    <message numerus="yes">
        <source>It has more than %n lines, far more than three settings need, so only its beginning was read.</source>
        <translation>
            <numerusform>Tiene más de %n línea, muchas más de las que necesitan tres ajustes, así que solo se ha leído su principio.</numerusform>
            <numerusform>Tiene más de %n líneas, muchas más de las que necesitan tres ajustes, así que solo se ha leído su principio.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds bytes that are not text.</source>
        <translation>Contiene bytes que no son texto.</translation>
    </message>
    <message>
        <source>It holds lines that are not settings.</source>
        <translation>Contiene líneas que no son ajustes.</translation>
    </message>
    <message>
        <source>It gives %1 more than once; the last one was read.</source>
        <translation>Da %1 más de una vez; se leyó el último.</translation>
    </message>
    <message>
        <source>AppName may not be empty</source>
        <translation>AppName no puede estar vacío</translation>
    </message>
    <message>
        <source>Section may not be empty</source>
        <translation>Section no puede estar vacío</translation>
    </message>
    <message>
        <source>Key may not be empty</source>
        <translation>Key no puede estar vacío</translation>
    </message>
    <message>
        <source>Could not open registry section</source>
        <translation>No se pudo abrir la sección de la configuración</translation>
    </message>
    <message>
        <source>Registry data not a string</source>
        <translation>El dato guardado no es texto</translation>
    </message>
    <message>
        <source>Could not open/create registry section</source>
        <translation>No se pudo abrir ni crear la sección de la configuración</translation>
    </message>
    <message>
        <source>Could not set key value</source>
        <translation>No se pudo escribir el valor</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is %3, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 es un enlace a %2, que es %3, no un archivo. Cámbiele el nombre o elimínelo, y Poolwright podrá volver a guardar allí sus ajustes.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 es %2, no un archivo. Cámbiele el nombre o elimínelo, y Poolwright podrá volver a guardar allí sus ajustes.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to read it.</source>
        <translation>No se puede leer %1: no hay permiso para leerlo.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the settings cannot be saved in it.</source>
        <translation>%1 es de solo lectura, así que no se puede guardar la configuración en él.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist and cannot be made, as its folder does not exist either.</source>
        <translation>%1 es un enlace a %2, que no existe y no se puede crear, porque su carpeta tampoco existe.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings cannot be saved in it.</source>
        <translation>La carpeta %1 es de solo lectura, así que no se puede guardar la configuración en ella.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is read-only.</source>
        <translation>No se puede crear la carpeta %1: %2 es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>No se puede crear la carpeta %1: %2 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and the part of it that is read could not be copied to a temporary file (%2).</source>
        <translation>%1 es mucho más grande de lo que necesitan tres ajustes, y la parte leída no se pudo copiar a un archivo temporal (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read in full, and a copy of it could not be kept beside it (%2), so it was not written over.</source>
        <translation>%1 no se pudo leer entero y no se pudo guardar una copia a su lado (%2), así que no se sobrescribió.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and it could not be replaced by a smaller one. A copy of it was kept as %2.</source>
        <translation>%1 es mucho más grande de lo que necesitan tres ajustes, y no se pudo sustituir por uno más pequeño. Se guardó una copia como %2.</translation>
    </message>
    <message numerus="yes">
        <source>The value for %1 is too long to be kept in %2 (%3 bytes).</source>
        <translation>
            <numerusform>El valor de %1 es demasiado largo para guardarlo en %2 (%3 bytes).</numerusform>
            <numerusform>El valor de %1 es demasiado largo para guardarlo en %2 (%3 bytes).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk it is on is full.</source>
        <translation>No se pudo escribir %1: el disco en el que está se ha llenado.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 is read-only.</source>
        <translation>No se pudo escribir %1: su carpeta %2 es de solo lectura.</translation>
    </message>
    <message>
        <source>the pool size</source>
        <translation>el volumen de la piscina</translation>
    </message>
    <message>
        <source>the bleach strength</source>
        <translation>la concentración de cloro</translation>
    </message>
    <message>
        <source>the unit of measure</source>
        <translation>el sistema de unidades</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full, so a copy of it was kept as %1 before the new settings were saved. %2</source>
        <translation>Su archivo de configuración no se pudo leer entero, así que se guardó una copia como %1 antes de guardar la nueva configuración. %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>The pool size the calculators start with, in US gallons while Imperial is chosen below. It is kept as typed: choosing Metric does not convert it, so type the size in litres then.</source>
        <translation>El volumen de la piscina con el que empiezan los cálculos, en galones estadounidenses mientras esté elegido Imperial abajo. Se guarda tal como se escribe: elegir Métrico no lo convierte, así que escriba entonces el volumen en litros.</translation>
    </message>
    <message>
        <source>The pool size the calculators start with, in litres while Metric is chosen below. It is kept as typed: choosing Imperial does not convert it, so type the size in US gallons then.</source>
        <translation>El volumen de la piscina con el que empiezan los cálculos, en litros mientras esté elegido Métrico abajo. Se guarda tal como se escribe: elegir Imperial no lo convierte, así que escriba entonces el volumen en galones estadounidenses.</translation>
    </message>
    <message>
        <source>The chlorine strength of your bleach, in percent, that the main window starts with: for 6 % bleach type 6.</source>
        <translation>La concentración de cloro activo de su cloro líquido, en porcentaje, con la que empieza la ventana principal: para cloro al 6&#xa0;%, escriba 6.</translation>
    </message>
</context>
</TS>
