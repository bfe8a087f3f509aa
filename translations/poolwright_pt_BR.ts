<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlkalinityWindow</name>
    <message>
        <source>The rise in total alkalinity you want, in ppm.</source>
        <translation>O aumento de alcalinidade total desejado, em ppm.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in pounds and ounces.</source>
        <translation>Bicarbonato de sódio (elevador de alcalinidade) a adicionar, em libras e onças.</translation>
    </message>
    <message>
        <source>Sodium bicarbonate (baking soda) to add, in kilograms.</source>
        <translation>Bicarbonato de sódio (elevador de alcalinidade) a adicionar, em quilogramas.</translation>
    </message>
</context>
<context>
    <name>BoraxWindow</name>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in ounces by weight.</source>
        <translation>Bórax (tetraborato de sódio deca-hidratado) a adicionar, em onças (peso).</translation>
    </message>
    <message>
        <source>Borax (sodium tetraborate decahydrate) to add, in kilograms.</source>
        <translation>Bórax (tetraborato de sódio deca-hidratado) a adicionar, em quilogramas.</translation>
    </message>
    <message>
        <source>The tetraborate that the borax adds, in ppm. Test kits give borates as ppm of boron, about 0.28 times this figure.</source>
        <translation>O tetraborato que o bórax adiciona, em ppm. Os kits de teste dão os boratos em ppm de boro, cerca de 0,28 vez este valor.</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato de sódio decaidr. (oz)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (k)</source>
        <translation>Tetraborato de sódio decaidr. (kg)</translation>
    </message>
</context>
<context>
    <name>CalciumWindow</name>
    <message>
        <source>The rise in calcium hardness you want, in ppm.</source>
        <translation>O aumento de dureza cálcica desejado, em ppm.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the dihydrate below, not both.</source>
        <translation>Cloreto de cálcio anidro a adicionar, em libras e onças. Adicione este ou o di-hidratado abaixo, não os dois.</translation>
    </message>
    <message>
        <source>Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate below, not both.</source>
        <translation>Cloreto de cálcio anidro a adicionar, em quilogramas. Adicione este ou o di-hidratado abaixo, não os dois.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in pounds and ounces. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloreto de cálcio di-hidratado a adicionar, em libras e onças. Adicione este ou o cloreto de cálcio anidro acima, não os dois.</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous calcium chloride above, not both.</source>
        <translation>Cloreto de cálcio di-hidratado a adicionar, em quilogramas. Adicione este ou o cloreto de cálcio anidro acima, não os dois.</translation>
    </message>
</context>
<context>
    <name>CyanuricWindow</name>
    <message>
        <source>The rise in cyanuric acid (stabiliser) you want, in ppm.</source>
        <translation>O aumento de ácido cianúrico (estabilizante) desejado, em ppm.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in pounds and ounces.</source>
        <translation>Ácido cianúrico (estabilizante) a adicionar, em libras e onças.</translation>
    </message>
    <message>
        <source>Cyanuric acid (stabiliser) to add, in kilograms.</source>
        <translation>Ácido cianúrico (estabilizante) a adicionar, em quilogramas.</translation>
    </message>
</context>
<context>
    <name>DilutionWindow</name>
    <message>
        <source>The pool water&apos;s test reading of what is too high, in ppm.</source>
        <translation>A leitura, na água da piscina, do que está alto demais, em ppm.</translation>
    </message>
    <message>
        <source>The refill water&apos;s test reading of the same, in ppm.</source>
        <translation>A leitura do mesmo na água de reposição, em ppm.</translation>
    </message>
    <message>
        <source>The reading you want after draining and refilling, in ppm.</source>
        <translation>A leitura desejada depois de drenar e completar, em ppm.</translation>
    </message>
    <message>
        <source>The share of the pool to drain and refill, as a fraction: 0.44 means 44 % of the pool.</source>
        <translation>A parcela da piscina a drenar e completar, como fração: 0,44 significa 44% da piscina.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in US gallons.</source>
        <translation>A água a drenar e repor, em galões americanos.</translation>
    </message>
    <message>
        <source>The water to drain and refill, in litres.</source>
        <translation>A água a drenar e repor, em litros.</translation>
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
        <translation>Teor de cloro (6% = digite 6)</translation>
    </message>
    <message>
        <source>Quantity of bleach  (gal.)</source>
        <translation>Cloro líquido (gal)</translation>
    </message>
    <message>
        <source>PPM Increase desired</source>
        <translation>Aumento desejado (ppm)</translation>
    </message>
    <message>
        <source>PPM Increase</source>
        <translation>Aumento (ppm)</translation>
    </message>
    <message>
        <source>Bleach required</source>
        <translation>Cloro necessário</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>More Calcs</source>
        <translation>Mais cálculos</translation>
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
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Pounds of salt</source>
        <translation>Sal (lb)</translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- OU -</translation>
    </message>
    <message>
        <source>PPM Increase Desired</source>
        <translation>Aumento desej. (ppm)</translation>
    </message>
    <message>
        <source>Salt PPM will go up by</source>
        <translation>O sal sobe (ppm)</translation>
    </message>
    <message>
        <source>Pounds of salt needed</source>
        <translation>Sal necessário (lb)</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Poolwright Defaults</source>
        <translation>Padrões do Poolwright</translation>
    </message>
    <message>
        <source>Default Pool Size</source>
        <translation>Volume padrão</translation>
    </message>
    <message>
        <source>Default Bleach Strength</source>
        <translation>Teor de cloro padrão</translation>
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
        <translation>Salvar</translation>
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
        <translation>Alcalinidade total</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Poolwright!</source>
        <translation>Poolwright!</translation>
    </message>
    <message>
        <source>A real simple tool to help you calculate bleach additions</source>
        <translation>Uma ferramenta bem simples para dosar cloro líquido</translation>
    </message>
    <message>
        <source>By using this tool, you accept all responsibilities for the results.  There are no warranties expressed or implied to its function.  </source>
        <translation>Ao usar esta ferramenta, você assume toda a responsabilidade pelos resultados. Não há garantia, expressa ou implícita.</translation>
    </message>
    <message>
        <source>Basically, if you screw your pool up, it&apos;s your own darn fault!</source>
        <translation>Resumindo: se você estragar sua piscina, a culpa é toda sua!</translation>
    </message>
    <message>
        <source>Would you like a calculation added? E-mail your request to poolwright@example.org</source>
        <translation>Falta algum cálculo? Escreva para poolwright@example.org</translation>
    </message>
    <message>
        <source>Do you just use this, but don&apos;t have any suggestions?  That&apos;s cool, drop me a line anyway to let me know you&apos;re using it!</source>
        <translation>Você usa e não tem sugestões? Tudo bem, me escreva mesmo assim para contar que usa!</translation>
    </message>
    <message>
        <source>Test your water again after adding any chemical.</source>
        <translation>Teste a água de novo depois de adicionar qualquer produto.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Alkalinity calculation</source>
        <translation>Cálculo da alcalinidade</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinid.</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento desejado (ppm)</translation>
    </message>
    <message>
        <source>RAISE</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>with Sodium Bicarbonate</source>
        <translation>com bicarbonato</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Calcium Hardness calcs</source>
        <translation>Cálculo da dureza cálcica</translation>
    </message>
    <message>
        <source>Calcium Hardness</source>
        <translation>Dureza cálcica</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento desejado (ppm)</translation>
    </message>
    <message>
        <source>Calcium Chloride</source>
        <translation>Cloreto de cálcio</translation>
    </message>
    <message>
        <source>Calcium Chloride Dihydrate</source>
        <translation>Cloreto de cálcio di-hidratado</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Cyanuric Acid Calc</source>
        <translation>Cálculo do estabilizante</translation>
    </message>
    <message>
        <source>Cyanuric Acid</source>
        <translation>Ácido cianúrico</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>PPM change desired</source>
        <translation>Aumento desejado (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
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
        <translation>Cálculos para alcalinidade nem muito alta nem muito baixa: ela AFETA MUITO quanto o pH varia</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>RAISE pH 0.2</source>
        <translation>SUBIR pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato de sódio (oz)</translation>
    </message>
    <message>
        <source>(This is Soda Ash, NOT borax!)</source>
        <translation>(É barrilha, NÃO bórax!)</translation>
    </message>
    <message>
        <source>LOWER pH 0.2</source>
        <translation>BAIXAR pH 0,2</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bissulfato de sódio (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Ácido muriático 31% (oz)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Dilution Calcs</source>
        <translation>Diluição</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Test reading from the pool in PPM</source>
        <translation>Leitura da piscina (ppm)</translation>
    </message>
    <message>
        <source>Test reading of the refill water in PPM</source>
        <translation>Leitura da água de reposição (ppm)</translation>
    </message>
    <message>
        <source>PPM you want to be at</source>
        <translation>Valor desejado (ppm)</translation>
    </message>
    <message>
        <source>Percentage to drain</source>
        <translation>Parcela a drenar</translation>
    </message>
    <message>
        <source>Volume to drain</source>
        <translation>Volume a drenar</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
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
        <translation>Cálculo de bórax</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Bórax</translation>
    </message>
    <message>
        <source>Pool Size (Gal.)</source>
        <translation>Volume (gal)</translation>
    </message>
    <message>
        <source>Sodium Tetraborate Decahydrate (Oz.)</source>
        <translation>Tetraborato de sódio decaidr. (oz)</translation>
    </message>
    <message>
        <source>Tetraborates PPM added</source>
        <translation>Tetraboratos (ppm)</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
    </message>
    <message>
        <source>This is for calculating how much borax to add to function as an additional algaecide, not pH changes.  Reccomended target PPM is 50.</source>
        <translation>Calcula o bórax a adicionar como algicida complementar, não para corrigir o pH. Valor recomendado: 50 ppm.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Volume Calcs</source>
        <translation>Cálculo do volume</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume da piscina</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Retangular</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Compr.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larg.</translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation>Calcular!</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Avg Depth</source>
        <translation>Prof. média</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profund.</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redonda</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Todas as medidas em PÉS, volumes em GALÕES</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chlorine strength of the bleach, in percent: for 6 % bleach type 6.</source>
        <translation>O teor de cloro do cloro líquido, em porcentagem: para cloro a 6%, digite 6.</translation>
    </message>
    <message>
        <source>An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.</source>
        <translation>Uma quantidade de cloro líquido, em galões americanos: Calcular dá o aumento de cloro que ela produz.</translation>
    </message>
    <message>
        <source>An amount of bleach, in litres: Calculate gives the rise in chlorine it makes.</source>
        <translation>Uma quantidade de cloro líquido, em litros: Calcular dá o aumento de cloro que ela produz.</translation>
    </message>
    <message>
        <source>The rise in chlorine you want, in ppm: Calculate gives the bleach it takes.</source>
        <translation>O aumento de cloro desejado, em ppm: Calcular dá o cloro líquido necessário.</translation>
    </message>
    <message>
        <source>The rise in chlorine, in ppm, that the amount of bleach makes.</source>
        <translation>O aumento de cloro, em ppm, que a quantidade de cloro líquido produz.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons to a tenth.</source>
        <translation>O cloro líquido a adicionar, com o teor informado, em galões americanos com uma casa decimal.</translation>
    </message>
    <message>
        <source>The bleach to add in US gallons, worked out in Imperial only: the litres show in the box above.</source>
        <translation>O cloro líquido a adicionar em galões americanos, calculado só no sistema imperial: os litros aparecem na caixa acima.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in US gallons, quarts, cups and fluid ounces.</source>
        <translation>O cloro líquido a adicionar, com o teor informado, em galões americanos, quartos, xícaras e onças fluidas.</translation>
    </message>
    <message>
        <source>The bleach to add, of the strength given, in litres to a tenth.</source>
        <translation>O cloro líquido a adicionar, com o teor informado, em litros com uma casa decimal.</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Alkalinity</source>
        <translation>Alcalinidade</translation>
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
        <translation>Diluição</translation>
    </message>
    <message>
        <source>Borax</source>
        <translation>Bórax</translation>
    </message>
    <message>
        <source>Pool Volume</source>
        <translation>Volume da piscina</translation>
    </message>
    <message>
        <source>Salt Calcs</source>
        <translation>Cálculo de sal</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Saturation Index</source>
        <translation>Índice de saturação</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error number %1 (0x%2)</source>
        <translation>Erro número %1 (0x%2)</translation>
    </message>
    <message>
        <source>A white box is empty. Please fill in a number before hitting calculate!</source>
        <translation>Uma caixa branca está vazia. Digite um número antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>A box holds only blanks, which is not a number. Please enter a number before hitting calculate!</source>
        <translation>Uma caixa tem só espaços, o que não é um número. Digite um número antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Please enter a number before hitting calculate!</source>
        <translation>“%1” não é um número. Digite um número antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>The pool size may not be 0.</source>
        <translation>O volume da piscina não pode ser 0.</translation>
    </message>
    <message>
        <source>The bleach required cannot be worked out for a chlorine strength of 0.</source>
        <translation>Não é possível calcular o cloro líquido necessário para um teor de cloro 0.</translation>
    </message>
    <message>
        <source>The share to drain cannot be worked out when the refill water reads the same as the pool.</source>
        <translation>Não é possível calcular a parcela a drenar quando a água de reposição dá a mesma leitura que a piscina.</translation>
    </message>
    <message>
        <source>The result is too large to be worked out. Please check the figures in the white boxes.</source>
        <translation>O resultado é grande demais para ser calculado. Confira os números nas caixas brancas.</translation>
    </message>
    <message>
        <source>Please fill in all white boxes before hitting calculate!</source>
        <translation>Preencha todas as caixas brancas antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>Please fill in all fields before hitting calculate!</source>
        <translation>Preencha todos os campos antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>Please fill in how much PPM increase is required before hitting calculate!</source>
        <translation>Informe o aumento necessário em ppm antes de clicar em Calcular!</translation>
    </message>
    <message>
        <source>Please choose Imperial or Metric before hitting Save &amp; Close!</source>
        <translation>Escolha Imperial ou Métrico antes de clicar em Salvar!</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Não foi possível ler as configurações.</translation>
    </message>
    <message>
        <source>The settings could not be saved. What you typed is kept, so you can try again.</source>
        <translation>Não foi possível salvar as configurações. O que você digitou foi mantido, então pode tentar de novo.</translation>
    </message>
</context>
<context>
    <name>PhWindow</name>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.</source>
        <translation>Carbonato de sódio (barrilha) que sobe o pH em 0,2, em onças (peso).</translation>
    </message>
    <message>
        <source>Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.</source>
        <translation>Carbonato de sódio (barrilha) que sobe o pH em 0,2, em gramas.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or the muriatic acid, not both.</source>
        <translation>Bissulfato de sódio (redutor de pH em pó) que baixa o pH em 0,2, em onças (peso). Adicione este ou o ácido muriático, não os dois.</translation>
    </message>
    <message>
        <source>Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the muriatic acid, not both.</source>
        <translation>Bissulfato de sódio (redutor de pH em pó) que baixa o pH em 0,2, em gramas. Adicione este ou o ácido muriático, não os dois.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid ounces. Add this or the dry acid, not both.</source>
        <translation>Ácido muriático a 31% (vendido como 31,45%) que baixa o pH em 0,2, em onças fluidas americanas. Adicione este ou o redutor de pH em pó, não os dois.</translation>
    </message>
    <message>
        <source>Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. Add this or the dry acid, not both.</source>
        <translation>Ácido muriático a 31% (vendido como 31,45%) que baixa o pH em 0,2, em mililitros. Adicione este ou o redutor de pH em pó, não os dois.</translation>
    </message>
    <message>
        <source>Sodium Carbonate (Oz)</source>
        <translation>Carbonato de sódio (oz)</translation>
    </message>
    <message>
        <source>Sodium Carbonate (g)</source>
        <translation>Carbonato de sódio (g)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (Oz.)</source>
        <translation>Bissulfato de sódio (oz)</translation>
    </message>
    <message>
        <source>Sodium Bisulfate (dry acid) (g)</source>
        <translation>Bissulfato de sódio (g)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (Oz.)</source>
        <translation>Ácido muriático 31% (oz)</translation>
    </message>
    <message>
        <source>Muriatic Acid 31% (ml)</source>
        <translation>Ácido muriático 31% (mL)</translation>
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
        <translation>O volume de água da piscina, em galões americanos.</translation>
    </message>
    <message>
        <source>The volume of water in the pool, in litres.</source>
        <translation>O volume de água da piscina, em litros.</translation>
    </message>
</context>
<context>
    <name>PoolVolumeWindow</name>
    <message>
        <source>The length of the rectangular pool, in feet.</source>
        <translation>O comprimento da piscina retangular, em pés.</translation>
    </message>
    <message>
        <source>The length of the rectangular pool, in metres.</source>
        <translation>O comprimento da piscina retangular, em metros.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in feet.</source>
        <translation>A largura da piscina retangular, em pés.</translation>
    </message>
    <message>
        <source>The width of the rectangular pool, in metres.</source>
        <translation>A largura da piscina retangular, em metros.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in feet.</source>
        <translation>A profundidade média da piscina retangular, em pés.</translation>
    </message>
    <message>
        <source>The average depth of the rectangular pool, in metres.</source>
        <translation>A profundidade média da piscina retangular, em metros.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in US gallons.</source>
        <translation>A água da piscina retangular, em galões americanos.</translation>
    </message>
    <message>
        <source>The water in the rectangular pool, in litres.</source>
        <translation>A água da piscina retangular, em litros.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in feet. Oval means an ellipse.</source>
        <translation>O comprimento da piscina oval, na maior dimensão, em pés. Oval aqui quer dizer elipse.</translation>
    </message>
    <message>
        <source>The length of the oval pool, the longest way across, in metres. Oval means an ellipse.</source>
        <translation>O comprimento da piscina oval, na maior dimensão, em metros. Oval aqui quer dizer elipse.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in feet.</source>
        <translation>A largura da piscina oval, no ponto mais largo, perpendicular ao comprimento, em pés.</translation>
    </message>
    <message>
        <source>The width of the oval pool, the widest way across the length, in metres.</source>
        <translation>A largura da piscina oval, no ponto mais largo, perpendicular ao comprimento, em metros.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in feet.</source>
        <translation>A profundidade média da piscina oval, em pés.</translation>
    </message>
    <message>
        <source>The average depth of the oval pool, in metres.</source>
        <translation>A profundidade média da piscina oval, em metros.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in US gallons.</source>
        <translation>A água da piscina oval, tomada como elipse, em galões americanos.</translation>
    </message>
    <message>
        <source>The water in the oval pool, taken as an ellipse, in litres.</source>
        <translation>A água da piscina oval, tomada como elipse, em litros.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in feet.</source>
        <translation>O diâmetro da piscina redonda, em pés.</translation>
    </message>
    <message>
        <source>The diameter of the round pool, in metres.</source>
        <translation>O diâmetro da piscina redonda, em metros.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in feet.</source>
        <translation>A profundidade da piscina redonda, em pés.</translation>
    </message>
    <message>
        <source>The depth of the round pool, in metres.</source>
        <translation>A profundidade da piscina redonda, em metros.</translation>
    </message>
    <message>
        <source>The water in the round pool, in US gallons.</source>
        <translation>A água da piscina redonda, em galões americanos.</translation>
    </message>
    <message>
        <source>The water in the round pool, in litres.</source>
        <translation>A água da piscina redonda, em litros.</translation>
    </message>
    <message>
        <source>All Measurements in FEET, volumes in GALLONS</source>
        <translation>Todas as medidas em PÉS, volumes em GALÕES</translation>
    </message>
    <message>
        <source>All Measurements in METRES, volumes in LITRES</source>
        <translation>Todas as medidas em METROS, volumes em LITROS</translation>
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
            <numerusform>%1 libra</numerusform>
            <numerusform>%1 libras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>ounces of weight</comment>
        <translation>
            <numerusform>%1 onça</numerusform>
            <numerusform>%1 onças</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Gallon(s)</source>
        <comment>tenths of a gallon</comment>
        <translation>%1 galão(ões)</translation>
    </message>
    <message>
        <source>%1 Litre(s)</source>
        <comment>tenths of a litre</comment>
        <translation>%1 L</translation>
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
            <numerusform>%1 galão</numerusform>
            <numerusform>%1 galões</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 quart(s)</source>
        <translation>
            <numerusform>%1 quarto</numerusform>
            <numerusform>%1 quartos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 cup(s)</source>
        <translation>
            <numerusform>%1 xícara</numerusform>
            <numerusform>%1 xícaras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ounce(s)</source>
        <comment>fluid ounces</comment>
        <translation>
            <numerusform>%1 onça</numerusform>
            <numerusform>%1 onças</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaltWindow</name>
    <message>
        <source>An amount of salt, in pounds: Calculate gives the rise in salt it makes.</source>
        <translation>Uma quantidade de sal, em libras: Calcular dá o aumento de sal que ela produz.</translation>
    </message>
    <message>
        <source>An amount of salt, in kilograms: Calculate gives the rise in salt it makes.</source>
        <translation>Uma quantidade de sal, em quilogramas: Calcular dá o aumento de sal que ela produz.</translation>
    </message>
    <message>
        <source>The rise in salt you want, in ppm: Calculate gives the salt it takes.</source>
        <translation>O aumento de sal desejado, em ppm: Calcular dá o sal necessário.</translation>
    </message>
    <message>
        <source>The rise in salt, in ppm, that the amount of salt makes.</source>
        <translation>O aumento de sal, em ppm, que a quantidade de sal produz.</translation>
    </message>
    <message>
        <source>Salt to add, in pounds.</source>
        <translation>Sal para piscina a adicionar, em libras.</translation>
    </message>
    <message>
        <source>Salt to add, in kilograms.</source>
        <translation>Sal para piscina a adicionar, em quilogramas.</translation>
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
        <translation>Sal necessário (lb)</translation>
    </message>
    <message>
        <source>Kilos of salt needed</source>
        <translation>Sal necessário (kg)</translation>
    </message>
</context>
<context>
    <name>SaturationWindow</name>
    <message>
        <source>The pH of the pool water.</source>
        <translation>O pH da água da piscina.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Fahrenheit.</source>
        <translation>A temperatura da água, em graus Fahrenheit.</translation>
    </message>
    <message>
        <source>The water temperature, in degrees Celsius.</source>
        <translation>A temperatura da água, em graus Celsius.</translation>
    </message>
    <message>
        <source>The calcium hardness, in ppm.</source>
        <translation>A dureza cálcica, em ppm.</translation>
    </message>
    <message>
        <source>The total alkalinity, in ppm.</source>
        <translation>A alcalinidade total, em ppm.</translation>
    </message>
    <message>
        <source>The Langelier saturation index of the water, worked out from the four readings above.</source>
        <translation>O índice de saturação de Langelier da água, calculado a partir das quatro leituras acima.</translation>
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
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <comment>stands where the settings file should be</comment>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a socket</source>
        <comment>stands where the settings file should be</comment>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <comment>stands where the settings file should be</comment>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>something else</source>
        <comment>stands where the settings file should be</comment>
        <translation>outra coisa</translation>
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
        <translation>Nenhuma das três configurações foi salva.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 was not.</source>
        <translation>Salvo: %1. Não salvo: %2.</translation>
    </message>
    <message>
        <source>%1 was saved; %2 were not.</source>
        <translation>Salvo: %1. Não salvos: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 was not.</source>
        <translation>Salvos: %1. Não salvo: %2.</translation>
    </message>
    <message>
        <source>%1 were saved; %2 were not.</source>
        <translation>Salvos: %1. Não salvos: %2.</translation>
    </message>
    <message>
        <source>The setting %1 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>A configuração %1 não está guardada como texto, então não pode ser lida. Salvar um novo valor a substitui.</translation>
    </message>
    <message>
        <source>The setting %1 in %2 is not stored as text, so it cannot be read. Saving a new value replaces it.</source>
        <translation>A configuração %1 em %2 não está guardada como texto, então não pode ser lida. Salvar um novo valor a substitui.</translation>
    </message>
    <message>
        <source>It is %1, far larger than three settings need, so only its beginning was read.</source>
        <translation>Ele tem %1, muito mais do que três configurações precisam, então só o início foi lido.</translation>
    </message>
    <message numerus="yes">
        <source>It has more than %n lines, far more than three settings need, so only its beginning was read.</source>
        <translation>
            <numerusform>Ele tem mais de %n linha, muito mais do que três configurações precisam; por isso só o início foi lido.</numerusform>
            <numerusform>Ele tem mais de %n linhas, muito mais do que três configurações precisam; por isso só o início foi lido.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds bytes that are not text.</source>
        <translation>Ele contém bytes que não são texto.</translation>
    </message>
    <message>
        <source>It holds lines that are not settings.</source>
        <translation>Ele contém linhas que não são configurações.</translation>
    </message>
    <message>
        <source>It gives %1 more than once; the last one was read.</source>
        <translation>Ele traz %1 mais de uma vez; a última foi lida.</translation>
    </message>
    <message>
        <source>AppName may not be empty</source>
        <translation>AppName não pode estar vazio</translation>
    </message>
    <message>
        <source>Section may not be empty</source>
        <translation>Section não pode estar vazio</translation>
    </message>
    <message>
        <source>Key may not be empty</source>
        <translation>Key não pode estar vazio</translation>
    </message>
    <message>
        <source>Could not open registry section</source>
        <translation>Não foi possível abrir a seção das configurações</translation>
    </message>
    <message>
        <source>Registry data not a string</source>
        <translation>O dado guardado não é texto</translation>
    </message>
    <message>
        <source>Could not open/create registry section</source>
        <translation>Não foi possível abrir ou criar a seção das configurações</translation>
    </message>
    <message>
        <source>Could not set key value</source>
        <translation>Não foi possível gravar o valor</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is %3, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 é um link para %2, que é %3, não um arquivo. Renomeie-o ou remova-o, e o Poolwright poderá guardar suas configurações ali de novo.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Rename or remove it, and Poolwright can keep its settings there again.</source>
        <translation>%1 é %2, não um arquivo. Renomeie-o ou remova-o, e o Poolwright poderá guardar suas configurações ali de novo.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to read it.</source>
        <translation>Não é possível ler %1: não há permissão para lê-lo.</translation>
    </message>
    <message>
        <source>%1 is read-only, so the settings cannot be saved in it.</source>
        <translation>%1 é somente leitura, então as configurações não podem ser salvas nele.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist and cannot be made, as its folder does not exist either.</source>
        <translation>%1 é um link para %2, que não existe e não pode ser criado, pois a pasta dele também não existe.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings cannot be saved in it.</source>
        <translation>A pasta %1 é somente leitura, então as configurações não podem ser salvas nela.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is read-only.</source>
        <translation>Não é possível criar a pasta %1: %2 é somente leitura.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>Não é possível criar a pasta %1: %2 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and the part of it that is read could not be copied to a temporary file (%2).</source>
        <translation>%1 é muito maior do que três configurações precisam, e a parte lida não pôde ser copiada para um arquivo temporário (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read in full, and a copy of it could not be kept beside it (%2), so it was not written over.</source>
        <translation>%1 não pôde ser lido por inteiro, e não foi possível guardar uma cópia ao lado dele (%2), então ele não foi sobrescrito.</translation>
    </message>
    <message>
        <source>%1 is far larger than three settings need, and it could not be replaced by a smaller one. A copy of it was kept as %2.</source>
        <translation>%1 é muito maior do que três configurações precisam, e não pôde ser substituído por um menor. Uma cópia foi guardada como %2.</translation>
    </message>
    <message numerus="yes">
        <source>The value for %1 is too long to be kept in %2 (%3 bytes).</source>
        <translation>
            <numerusform>O valor de %1 é longo demais para ser guardado em %2 (%3 bytes).</numerusform>
            <numerusform>O valor de %1 é longo demais para ser guardado em %2 (%3 bytes).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk it is on is full.</source>
        <translation>Não foi possível gravar %1: o disco em que ele está está cheio.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 is read-only.</source>
        <translation>Não foi possível gravar %1: a pasta %2 dele é somente leitura.</translation>
    </message>
    <message>
        <source>the pool size</source>
        <translation>o volume da piscina</translation>
    </message>
    <message>
        <source>the bleach strength</source>
        <translation>o teor de cloro</translation>
    </message>
    <message>
        <source>the unit of measure</source>
        <translation>o sistema de unidades</translation>
    </message>
    <message>
        <source>Your settings file could not be read in full, so a copy of it was kept as %1 before the new settings were saved. %2</source>
        <translation>Seu arquivo de configurações não pôde ser lido por inteiro, então uma cópia foi guardada como %1 antes de salvar as novas configurações. %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>The pool size the calculators start with, in US gallons while Imperial is chosen below. It is kept as typed: choosing Metric does not convert it, so type the size in litres then.</source>
        <translation>O volume da piscina com que os cálculos começam, em galões americanos enquanto Imperial estiver escolhido abaixo. Ele fica como foi digitado: escolher Métrico não o converte, então digite o volume em litros.</translation>
    </message>
    <message>
        <source>The pool size the calculators start with, in litres while Metric is chosen below. It is kept as typed: choosing Imperial does not convert it, so type the size in US gallons then.</source>
        <translation>O volume da piscina com que os cálculos começam, em litros enquanto Métrico estiver escolhido abaixo. Ele fica como foi digitado: escolher Imperial não o converte, então digite o volume em galões americanos.</translation>
    </message>
    <message>
        <source>The chlorine strength of your bleach, in percent, that the main window starts with: for 6 % bleach type 6.</source>
        <translation>O teor de cloro do seu cloro líquido, em porcentagem, com que a janela principal começa: para cloro a 6%, digite 6.</translation>
    </message>
</context>
</TS>
