<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Constants</name>
    <message>
        <source>Constant No. %1</source>
        <translation>Constante n.º %1</translation>
    </message>
    <message>
        <source>degree (angle)</source>
        <translation>grado (ángulo)</translation>
    </message>
    <message>
        <source>minute (angle)</source>
        <translation>minuto (ángulo)</translation>
    </message>
    <message>
        <source>second (angle)</source>
        <translation>segundo (ángulo)</translation>
    </message>
    <message>
        <source>astronomical unit</source>
        <translation>unidad astronómica</translation>
    </message>
    <message>
        <source>accelaration of fall</source>
        <translation>aceleración de la gravedad</translation>
    </message>
    <message>
        <source>grade</source>
        <translation>gradián</translation>
    </message>
    <message>
        <source>knot</source>
        <translation>nudo</translation>
    </message>
    <message>
        <source>light year</source>
        <translation>año luz</translation>
    </message>
    <message>
        <source>nautical mile</source>
        <translation>milla náutica</translation>
    </message>
    <message>
        <source>parsec</source>
        <translation>pársec</translation>
    </message>
    <message>
        <source>tropical year</source>
        <translation>año trópico</translation>
    </message>
    <message>
        <source>acre</source>
        <translation>acre</translation>
    </message>
    <message>
        <source>US barrel for petroleum</source>
        <translation>barril de petróleo (US)</translation>
    </message>
    <message>
        <source>dry barrel</source>
        <translation>barril para áridos</translation>
    </message>
    <message>
        <source>bushel</source>
        <translation>bushel</translation>
    </message>
    <message>
        <source>chain (surveyors)</source>
        <translation>cadena (agrimensura)</translation>
    </message>
    <message>
        <source>US in</source>
        <translation>taza (US)</translation>
    </message>
    <message>
        <source>dry pint</source>
        <translation>pinta para áridos</translation>
    </message>
    <message>
        <source>fathom (surveyors)</source>
        <translation>braza (agrimensura)</translation>
    </message>
    <message>
        <source>board foot</source>
        <translation>pie tablar</translation>
    </message>
    <message>
        <source>fluid ounce</source>
        <translation>onza líquida</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pie</translation>
    </message>
    <message>
        <source>foot (surveyors=US)</source>
        <translation>pie (agrimensura, US)</translation>
    </message>
    <message>
        <source>gallon (United Kingdom)</source>
        <translation>galón (Reino Unido)</translation>
    </message>
    <message>
        <source>gallon (United States)</source>
        <translation>galón (Estados Unidos)</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulgada</translation>
    </message>
    <message>
        <source>mil</source>
        <translation>milésima de pulgada</translation>
    </message>
    <message>
        <source>mile (International)</source>
        <translation>milla (internacional)</translation>
    </message>
    <message>
        <source>US statute mile</source>
        <translation>milla terrestre (US)</translation>
    </message>
    <message>
        <source>miles per hour</source>
        <translation>millas por hora</translation>
    </message>
    <message>
        <source>peck</source>
        <translation>peck</translation>
    </message>
    <message>
        <source>pint</source>
        <translation>pinta</translation>
    </message>
    <message>
        <source>liquid pint</source>
        <translation>pinta líquida</translation>
    </message>
    <message>
        <source>tablespoon</source>
        <translation>cucharada</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <translation>cucharadita</translation>
    </message>
    <message>
        <source>yard</source>
        <translation>yarda</translation>
    </message>
    <message>
        <source>US yard</source>
        <translation>yarda (US)</translation>
    </message>
    <message>
        <source>technical atmosphere</source>
        <translation>atmósfera técnica</translation>
    </message>
    <message>
        <source>standard atmosphere</source>
        <translation>atmósfera normal</translation>
    </message>
    <message>
        <source>metric carat</source>
        <translation>quilate métrico</translation>
    </message>
    <message>
        <source>denier</source>
        <translation>denier</translation>
    </message>
    <message>
        <source>gravitational constant</source>
        <translation>constante de gravitación</translation>
    </message>
    <message>
        <source>kilogram-force</source>
        <translation>kilogramo-fuerza</translation>
    </message>
    <message>
        <source>meter of water</source>
        <translation>metro de agua</translation>
    </message>
    <message>
        <source>mm of mercury</source>
        <translation>milímetro de mercurio</translation>
    </message>
    <message>
        <source>metric horsepower</source>
        <translation>caballo de vapor métrico</translation>
    </message>
    <message>
        <source>torr</source>
        <translation>torr</translation>
    </message>
    <message>
        <source>hundred-weight</source>
        <translation>quintal</translation>
    </message>
    <message>
        <source>foot pound of force</source>
        <translation>pie-libra fuerza</translation>
    </message>
    <message>
        <source>foot of water</source>
        <translation>pie de agua</translation>
    </message>
    <message>
        <source>grain</source>
        <translation>grano</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>caballo de potencia</translation>
    </message>
    <message>
        <source>inch of water</source>
        <translation>pulgada de agua</translation>
    </message>
    <message>
        <source>inch of mercury</source>
        <translation>pulgada de mercurio</translation>
    </message>
    <message>
        <source>pound</source>
        <translation>libra</translation>
    </message>
    <message>
        <source>pound-force</source>
        <translation>libra-fuerza</translation>
    </message>
    <message>
        <source>troy pound</source>
        <translation>libra troy</translation>
    </message>
    <message>
        <source>ounce</source>
        <translation>onza</translation>
    </message>
    <message>
        <source>troy ounce</source>
        <translation>onza troy</translation>
    </message>
    <message>
        <source>poundal</source>
        <translation>poundal</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>libras por pulgada cuadrada</translation>
    </message>
    <message>
        <source>slug</source>
        <translation>slug</translation>
    </message>
    <message>
        <source>long ton</source>
        <translation>tonelada larga</translation>
    </message>
    <message>
        <source>short ton</source>
        <translation>tonelada corta</translation>
    </message>
    <message>
        <source>zero Celcius</source>
        <translation>cero grados Celsius</translation>
    </message>
    <message>
        <source>15 degree calorie</source>
        <translation>caloría a 15 grados</translation>
    </message>
    <message>
        <source>I.T. thermo-calorie</source>
        <translation>caloría internacional (IT)</translation>
    </message>
    <message>
        <source>chemical calorie</source>
        <translation>caloría termoquímica</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>grado Fahrenheit</translation>
    </message>
    <message>
        <source>Zero Fahrenheit</source>
        <translation>cero grados Fahrenheit</translation>
    </message>
    <message>
        <source>British thermal unit</source>
        <translation>unidad térmica británica</translation>
    </message>
    <message>
        <source>specific heat capacity</source>
        <translation>capacidad calorífica específica</translation>
    </message>
    <message>
        <source>Btu per hour</source>
        <translation>Btu por hora</translation>
    </message>
    <message>
        <source>specific internal energy</source>
        <translation>energía interna específica</translation>
    </message>
    <message>
        <source>therm</source>
        <translation>therm</translation>
    </message>
    <message>
        <source>permittivity of vacuum</source>
        <translation>permitividad del vacío</translation>
    </message>
    <message>
        <source>permeability of vacuum</source>
        <translation>permeabilidad del vacío</translation>
    </message>
    <message>
        <source>G. electric capacitance</source>
        <translation>capacidad eléctrica (gaussiana)</translation>
    </message>
    <message>
        <source>G. electric flux density</source>
        <translation>inducción eléctrica (gaussiana)</translation>
    </message>
    <message>
        <source>G. electric field strength</source>
        <translation>campo eléctrico (gaussiano)</translation>
    </message>
    <message>
        <source>G. electric current Hs, G.</source>
        <translation>corriente eléctrica (gaussiana)</translation>
    </message>
    <message>
        <source>magnetic field strength</source>
        <translation>intensidad de campo magnético</translation>
    </message>
    <message>
        <source>G. electric polarization</source>
        <translation>polarización eléctrica (gaussiana)</translation>
    </message>
    <message>
        <source>G. electric charge</source>
        <translation>carga eléctrica (gaussiana)</translation>
    </message>
    <message>
        <source>G. electric potential</source>
        <translation>potencial eléctrico (gaussiano)</translation>
    </message>
    <message>
        <source>Stefan- Boltzmann constant</source>
        <translation>constante de Stefan-Boltzmann</translation>
    </message>
    <message>
        <source>speed of light</source>
        <translation>velocidad de la luz</translation>
    </message>
    <message>
        <source>first radiation constant</source>
        <translation>primera constante de radiación</translation>
    </message>
    <message>
        <source>second radiation constant</source>
        <translation>segunda constante de radiación</translation>
    </message>
    <message>
        <source>lambert</source>
        <translation>lambert</translation>
    </message>
    <message>
        <source>footlambert</source>
        <translation>pie-lambert</translation>
    </message>
    <message>
        <source>decibel, level difference</source>
        <translation>decibelio, diferencia de nivel</translation>
    </message>
    <message>
        <source>neper, level difference</source>
        <translation>neperio, diferencia de nivel</translation>
    </message>
    <message>
        <source>elementary charge</source>
        <translation>carga elemental</translation>
    </message>
    <message>
        <source>Faraday constant</source>
        <translation>constante de Faraday</translation>
    </message>
    <message>
        <source>Boltzmann constant</source>
        <translation>constante de Boltzmann</translation>
    </message>
    <message>
        <source>Avogadro constant</source>
        <translation>constante de Avogadro</translation>
    </message>
    <message>
        <source>molar gas constant</source>
        <translation>constante molar de los gases</translation>
    </message>
    <message>
        <source>molar volume G. electric</source>
        <translation>volumen molar (gas ideal)</translation>
    </message>
    <message>
        <source>polarization of molecule æ G. electric</source>
        <translation>polarizabilidad molecular (gaussiana)</translation>
    </message>
    <message>
        <source>dipole of fine-molecule</source>
        <translation>momento dipolar molecular</translation>
    </message>
    <message>
        <source>structure constant</source>
        <translation>constante de estructura fina</translation>
    </message>
    <message>
        <source>gyro-magnetic coeff.p</source>
        <translation>razón giromagnética del protón</translation>
    </message>
    <message>
        <source>g-m. coeff p in water</source>
        <translation>razón giromagn. del protón en agua</translation>
    </message>
    <message>
        <source>Compton wavelength n</source>
        <translation>long. de onda de Compton (neutrón)</translation>
    </message>
    <message>
        <source>Compton wavelength p</source>
        <translation>long. de onda de Compton (protón)</translation>
    </message>
    <message>
        <source>Bohr magneton</source>
        <translation>magnetón de Bohr</translation>
    </message>
    <message>
        <source>m. moment of electron</source>
        <translation>momento magnético del electrón</translation>
    </message>
    <message>
        <source>nuclear magneton</source>
        <translation>magnetón nuclear</translation>
    </message>
    <message>
        <source>m. moment of proton</source>
        <translation>momento magnético del protón</translation>
    </message>
    <message>
        <source>Bohr radius</source>
        <translation>radio de Bohr</translation>
    </message>
    <message>
        <source>Hartree energy</source>
        <translation>energía de Hartree</translation>
    </message>
    <message>
        <source>electronvolt</source>
        <translation>electronvoltio</translation>
    </message>
    <message>
        <source>Plank constant</source>
        <translation>constante de Planck</translation>
    </message>
    <message>
        <source>h/2pi</source>
        <translation>constante de Planck reducida</translation>
    </message>
    <message>
        <source>mass of hydrogen atom</source>
        <translation>masa del átomo de hidrógeno</translation>
    </message>
    <message>
        <source>rest mass of electron</source>
        <translation>masa en reposo del electrón</translation>
    </message>
    <message>
        <source>rest mass of neutron</source>
        <translation>masa en reposo del neutrón</translation>
    </message>
    <message>
        <source>rest mass of proton</source>
        <translation>masa en reposo del protón</translation>
    </message>
    <message>
        <source>Rydberg constant</source>
        <translation>constante de Rydberg</translation>
    </message>
    <message>
        <source>Electron radius</source>
        <translation>radio clásico del electrón</translation>
    </message>
    <message>
        <source>Atomic mass unit</source>
        <translation>unidad de masa atómica</translation>
    </message>
    <message>
        <source>curie</source>
        <translation>curio</translation>
    </message>
    <message>
        <source>roentgen</source>
        <translation>roentgen</translation>
    </message>
    <message>
        <source>fluxoid quantum</source>
        <translation>cuanto de flujo magnético</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Divide by Zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Invalid Power</source>
        <translation>Potencia inválida</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Warning:</source>
        <translation>Advertencia:</translation>
    </message>
    <message>
        <source>Error No. %1:  %2</source>
        <translation>Error n.º %1:  %2</translation>
    </message>
    <message>
        <source>it stays as it is and will not be saved over until Numora is started again</source>
        <translation>el archivo se queda tal como está y no se sobrescribirá hasta que vuelva a iniciar Numora</translation>
    </message>
    <message>
        <source>Path/File access error: cannot save %1: %2; the file was left as it was</source>
        <translation>Error de acceso a la ruta o al archivo: no se ha podido guardar %1: %2; el archivo se ha dejado tal como estaba</translation>
    </message>
    <message>
        <source>the file was kept as %1</source>
        <translation>el archivo se ha conservado como %1</translation>
    </message>
    <message>
        <source>it could not be set aside (%1), so %2</source>
        <translation>no se ha podido apartar (%1), por lo que %2</translation>
    </message>
    <message>
        <source>Path/File access error: cannot read %1 (%2); %3</source>
        <translation>Error de acceso a la ruta o al archivo: no se ha podido leer %1 (%2); %3</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Overview</source>
        <translation>Descripción general</translation>
    </message>
    <message>
        <source>Numora was written to have a capable scientific calculator at hand while working in a spreadsheet, so that a quick calculation never means leaving the figures you are looking at.</source>
        <translation>Numora se creó para tener a mano una calculadora científica completa mientras trabaja con una hoja de cálculo, de modo que un cálculo rápido no le obligue nunca a apartarse de las cifras que está consultando.</translation>
    </message>
    <message>
        <source>It is not meant to replace the calculator that comes with your system. It is shared as a tool, in the hope that it serves you as well as it has served us.</source>
        <translation>No pretende sustituir a la calculadora que incluye su sistema. Se comparte como herramienta, con la esperanza de que le resulte tan útil como lo ha sido para nosotros.</translation>
    </message>
    <message>
        <source>Every key works with the mouse and with the keyboard, and with Read Out Loud switched on the calculator names each key and reads every result aloud.</source>
        <translation>Todas las teclas funcionan con el ratón y con el teclado. Con la opción Leer en voz alta activada, la calculadora dice el nombre de cada tecla y lee todos los resultados.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move among the keys, the keypad and the pages, Space presses the key in focus, and Ctrl+Tab turns the page. While a screen reader is running it announces the display, so Read Out Loud leaves the results to it and only names the keys.</source>
        <translation>Tab y Shift+Tab recorren las teclas, el teclado numérico y las páginas; Espacio pulsa la tecla que tiene el foco, y Ctrl+Tab cambia de página. Mientras haya un lector de pantalla en funcionamiento, es este el que anuncia lo que muestra la pantalla de la calculadora; por eso, la opción Leer en voz alta deja los resultados al lector y se limita a decir el nombre de las teclas.</translation>
    </message>
    <message>
        <source>Questions and suggestions are welcome. Please send them to the contact below.</source>
        <translation>Agradeceremos sus preguntas y sugerencias. Puede enviarlas a través de los datos de contacto que figuran a continuación.</translation>
    </message>
    <message>
        <source>The Numora developers</source>
        <translation>Los desarrolladores de Numora</translation>
    </message>
    <message>
        <source>Telephone: 555-0100</source>
        <translation>Teléfono: 555-0100</translation>
    </message>
    <message>
        <source>Mobile: 555-0199</source>
        <translation>Móvil: 555-0199</translation>
    </message>
    <message>
        <source>Calculator Capabilities</source>
        <translation>Prestaciones de la calculadora</translation>
    </message>
    <message>
        <source>A.) Performs the following  mathematical operations in accordance with the following calculation priority sequence:</source>
        <translation>A.) Realiza las siguientes operaciones matemáticas según este orden de prioridad de cálculo:</translation>
    </message>
    <message>
        <source>    1.) functions</source>
        <translation>    1.) funciones</translation>
    </message>
    <message>
        <source>    2.) polar to rectangular,</source>
        <translation>    2.) de polares a rectangulares,</translation>
    </message>
    <message>
        <source>        rectangular to polar</source>
        <translation>        de rectangulares a polares</translation>
    </message>
    <message>
        <source>    3.) exponential</source>
        <translation>    3.) potenciación</translation>
    </message>
    <message>
        <source>    4.) multiplication</source>
        <translation>    4.) multiplicación</translation>
    </message>
    <message>
        <source>    5.) division</source>
        <translation>    5.) división</translation>
    </message>
    <message>
        <source>    6.) addition</source>
        <translation>    6.) suma</translation>
    </message>
    <message>
        <source>    7.) subtraction</source>
        <translation>    7.) resta</translation>
    </message>
    <message>
        <source>B.) Performs the following scientific functions:</source>
        <translation>B.) Dispone de las siguientes funciones científicas:</translation>
    </message>
    <message>
        <source>    1.) Trigonometric:</source>
        <translation>    1.) Trigonométricas:</translation>
    </message>
    <message>
        <source>        a.) Sine</source>
        <translation>        a.) Seno</translation>
    </message>
    <message>
        <source>        b.) Cosine</source>
        <translation>        b.) Coseno</translation>
    </message>
    <message>
        <source>        c.) Tangent</source>
        <translation>        c.) Tangente</translation>
    </message>
    <message>
        <source>    2.) Inverse-trigonometric:</source>
        <translation>    2.) Trigonométricas inversas:</translation>
    </message>
    <message>
        <source>        a.) Arc-Sine</source>
        <translation>        a.) Arcoseno</translation>
    </message>
    <message>
        <source>        b.) Arc-Cosine</source>
        <translation>        b.) Arcocoseno</translation>
    </message>
    <message>
        <source>        c.) Arc-Tangent</source>
        <translation>        c.) Arcotangente</translation>
    </message>
    <message>
        <source>    3.) Hyperbolic:</source>
        <translation>    3.) Hiperbólicas:</translation>
    </message>
    <message>
        <source>        a.) Hyperbolic Sine</source>
        <translation>        a.) Seno hiperbólico</translation>
    </message>
    <message>
        <source>        b.) Hyperbolic Cosine</source>
        <translation>        b.) Coseno hiperbólico</translation>
    </message>
    <message>
        <source>        c.) Hyperbolic Tangent</source>
        <translation>        c.) Tangente hiperbólica</translation>
    </message>
    <message>
        <source>    4.) Inverse Hyperbolic:</source>
        <translation>    4.) Hiperbólicas inversas:</translation>
    </message>
    <message>
        <source>        a.) Inverse Hyperbolic Sine</source>
        <translation>        a.) Seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>        b.) Inverse Hyperbolic Cosine</source>
        <translation>        b.) Coseno hiperbólico inverso</translation>
    </message>
    <message>
        <source>        c.) Inverse Hyperbolic Tangent</source>
        <translation>        c.) Tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>Mode Settings</source>
        <translation>Configuración de modos</translation>
    </message>
    <message>
        <source>Picking the &apos;mode&apos; tab specify desired calculation modes. </source>
        <translation>En la pestaña &apos;Modos&apos; puede elegir los modos de cálculo que desee. </translation>
    </message>
    <message>
        <source>Available calculation modes to set are the following:</source>
        <translation>Los modos de cálculo disponibles son los siguientes:</translation>
    </message>
    <message>
        <source>1.) Display Modes</source>
        <translation>1.) Modos de pantalla</translation>
    </message>
    <message>
        <source>2.) Angle Specification Modes</source>
        <translation>2.) Modos de unidad angular</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Modos de pantalla</translation>
    </message>
    <message>
        <source>a.) Scientific display mode:</source>
        <translation>a.) Modo científico:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in exponential form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>Use este modo para que la calculadora muestre siempre el resultado en forma exponencial. Puede indicar la precisión en la lista desplegable prevista para ello.</translation>
    </message>
    <message>
        <source>b.) Fix mode:</source>
        <translation>b.) Modo fijo:</translation>
    </message>
    <message>
        <source>Use this mode to force the calculator to display the result of calculation in ordinary decimal form. You may specify Display Precision Number via a droplist provided for.</source>
        <translation>Use este modo para que la calculadora muestre siempre el resultado en forma decimal ordinaria. Puede indicar la precisión en la lista desplegable prevista para ello.</translation>
    </message>
    <message>
        <source>Result of calculations are normally displayed with a maximum of 15 significant digits. However, exponential display is automatically performed for any number less than 0.0001(10^-4) or from 1000 trillion (10^15) up.</source>
        <translation>Normalmente, los resultados se muestran con un máximo de 15 cifras significativas. No obstante, la forma exponencial se aplica automáticamente a todo número menor que 0,0001 (10^-4) o a partir de mil billones (10^15).</translation>
    </message>
    <message>
        <source>c.) Normal mode:</source>
        <translation>c.) Modo normal:</translation>
    </message>
    <message>
        <source>Use this mode to clear display mode previously set. Picking the Normal mode key restores calculator&apos;s normal display with a maximum of fifteen significant digits for mantissa and two digits for exponent.</source>
        <translation>Use este modo para anular el modo de pantalla elegido anteriormente. Al seleccionar el modo Normal, la calculadora vuelve a la presentación habitual, con un máximo de quince cifras significativas para la mantisa y dos dígitos para el exponente.</translation>
    </message>
    <message>
        <source>Angle Specification Modes</source>
        <translation>Modos de unidad angular</translation>
    </message>
    <message>
        <source>a.) DEGREE mode:</source>
        <translation>a.) Modo GRADOS:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as degrees.</source>
        <translation>Use este modo para establecer el grado como unidad de medida angular.</translation>
    </message>
    <message>
        <source>b.) RADIAN mode:</source>
        <translation>b.) Modo RADIANES:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as radians.</source>
        <translation>Use este modo para establecer el radián como unidad de medida angular.</translation>
    </message>
    <message>
        <source>c.) GRADIAN mode:</source>
        <translation>c.) Modo GRADIANES:</translation>
    </message>
    <message>
        <source>Use this mode to specify the unit of angular measurement as gradians. </source>
        <translation>Use este modo para establecer el gradián como unidad de medida angular. </translation>
    </message>
    <message>
        <source>Numeric keys</source>
        <translation>Teclas numéricas</translation>
    </message>
    <message>
        <source>Pick any of the numeric keys to enter a value. Press &apos;.&apos; to enter a decimal point.</source>
        <translation>Pulse cualquiera de las teclas numéricas para introducir un valor. Pulse &apos;.&apos; para introducir el separador decimal.</translation>
    </message>
    <message>
        <source>Values are entered from left to right. You cannot enter a value that is more than 15 digits long. Any numeric key pressed after the 15th digit is ignored.</source>
        <translation>Los valores se introducen de izquierda a derecha. No puede introducir un valor de más de 15 dígitos: toda tecla numérica que pulse después del decimoquinto dígito se ignora.</translation>
    </message>
    <message>
        <source>Arithmetic Operation keys</source>
        <translation>Teclas de operaciones aritméticas</translation>
    </message>
    <message>
        <source>Pick these keys in the same order as they appear in the formula to perform arithmetic operations. Press &apos;=&apos; to display the final result.</source>
        <translation>Para realizar operaciones aritméticas, pulse estas teclas en el mismo orden en que aparecen en la fórmula. Pulse &apos;=&apos; para mostrar el resultado final.</translation>
    </message>
    <message>
        <source>Below are the available arithmetic keys with their corresponding descriptions:</source>
        <translation>A continuación se describen las teclas aritméticas disponibles:</translation>
    </message>
    <message>
        <source>a.) &apos;x^y&apos;    - Power key:</source>
        <translation>a.) &apos;x^y&apos;    - Tecla de potencia:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the y power.</source>
        <translation>Pulse esta tecla para elevar x a la potencia y.</translation>
    </message>
    <message>
        <source>b.) &apos;root&apos;   - Power root key:</source>
        <translation>b.) &apos;root&apos;   - Tecla de raíz:</translation>
    </message>
    <message>
        <source>Press this key to raise x to the 1/y power.</source>
        <translation>Pulse esta tecla para elevar x a la potencia 1/y.</translation>
    </message>
    <message>
        <source>c.) &apos;x&apos;      - Multiplication key:</source>
        <translation>c.) &apos;x&apos;      - Tecla de multiplicación:</translation>
    </message>
    <message>
        <source>Press this key to perform multiplication.</source>
        <translation>Pulse esta tecla para multiplicar.</translation>
    </message>
    <message>
        <source>d.) &apos;/&apos;      - Division key:</source>
        <translation>d.) &apos;/&apos;      - Tecla de división:</translation>
    </message>
    <message>
        <source>Press this key to perform division.</source>
        <translation>Pulse esta tecla para dividir.</translation>
    </message>
    <message>
        <source>e.) &apos;+&apos;      - Addition key:</source>
        <translation>e.) &apos;+&apos;      - Tecla de suma:</translation>
    </message>
    <message>
        <source>Press this key to perform addition.</source>
        <translation>Pulse esta tecla para sumar.</translation>
    </message>
    <message>
        <source>f.) &apos;-&apos;      - Subtraction key:</source>
        <translation>f.) &apos;-&apos;      - Tecla de resta:</translation>
    </message>
    <message>
        <source>Press this key to perform subtraction.</source>
        <translation>Pulse esta tecla para restar.</translation>
    </message>
    <message>
        <source> TO THE POWER </source>
        <translation> ELEVADO A </translation>
    </message>
    <message>
        <source>SLASH</source>
        <translation>BARRA</translation>
    </message>
    <message>
        <source> OVER </source>
        <translation> ENTRE </translation>
    </message>
    <message>
        <source> PERIOD </source>
        <translation> PUNTO </translation>
    </message>
    <message>
        <source> EQUAL </source>
        <translation> IGUAL </translation>
    </message>
    <message>
        <source> DASH </source>
        <translation> GUION </translation>
    </message>
    <message>
        <source>About the Author</source>
        <translation>Acerca del autor</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator in which the voice reads numbers: &quot;,&quot; where the language writes 0,25.</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>times 10 to the power</source>
        <translation>por 10 elevado a</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>register in</source>
        <translation>guardar en registro</translation>
    </message>
    <message>
        <source>register out</source>
        <translation>recuperar registro</translation>
    </message>
    <message>
        <source>angle input</source>
        <translation>introducir ángulo</translation>
    </message>
    <message>
        <source>angular display</source>
        <translation>mostrar ángulo</translation>
    </message>
    <message>
        <source>fraction input</source>
        <translation>introducir fracción</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambiar signo</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número aleatorio</translation>
    </message>
    <message>
        <source>clear registers</source>
        <translation>borrar registros</translation>
    </message>
    <message>
        <source>rectangular to polar</source>
        <translation>de rectangulares a polares</translation>
    </message>
    <message>
        <source>polar to rectangular</source>
        <translation>de polares a rectangulares</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>constante</translation>
    </message>
    <message>
        <source>swap with register</source>
        <translation>intercambiar con registro</translation>
    </message>
    <message>
        <source>swap x and y</source>
        <translation>intercambiar x e y</translation>
    </message>
    <message>
        <source>fraction convert</source>
        <translation>convertir fracción</translation>
    </message>
    <message>
        <source>engineering shift right</source>
        <translation>desplazamiento de ingeniería a la derecha</translation>
    </message>
    <message>
        <source>engineering shift left</source>
        <translation>desplazamiento de ingeniería a la izquierda</translation>
    </message>
    <message>
        <source>memory plus</source>
        <translation>memoria más</translation>
    </message>
    <message>
        <source>memory minus</source>
        <translation>memoria menos</translation>
    </message>
    <message>
        <source>sum of squares</source>
        <translation>suma de cuadrados</translation>
    </message>
    <message>
        <source>square of sum</source>
        <translation>cuadrado de la suma</translation>
    </message>
    <message>
        <source>sum of data</source>
        <translation>suma de datos</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>sample standard deviation</source>
        <translation>desviación típica muestral</translation>
    </message>
    <message>
        <source>population standard deviation</source>
        <translation>desviación típica poblacional</translation>
    </message>
    <message>
        <source>data count</source>
        <translation>número de datos</translation>
    </message>
    <message>
        <source>delete data</source>
        <translation>borrar datos</translation>
    </message>
    <message>
        <source>add data</source>
        <translation>añadir dato</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>point</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>operador pendiente</translation>
    </message>
    <message>
        <source>last operator</source>
        <translation>último operador</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>Memory In</source>
        <translation>Guardar en memoria</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <source>Root Extractor</source>
        <translation>Raíz enésima</translation>
    </message>
    <message>
        <source>root</source>
        <translation>raíz</translation>
    </message>
    <message>
        <source>Raise to the Power</source>
        <translation>Elevar a una potencia</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>elevado a</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>al cuadrado</translation>
    </message>
    <message>
        <source>Inverse Tangent</source>
        <translation>Arcotangente</translation>
    </message>
    <message>
        <source>inverse tangent</source>
        <translation>arcotangente</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arcoseno</translation>
    </message>
    <message>
        <source>inverse sine</source>
        <translation>arcoseno</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arcocoseno</translation>
    </message>
    <message>
        <source>inverse cosine</source>
        <translation>arcocoseno</translation>
    </message>
    <message>
        <source>Angle Input</source>
        <translation>Introducir ángulo</translation>
    </message>
    <message>
        <source>Angular Display</source>
        <translation>Mostrar ángulo</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>Fraction Input</source>
        <translation>Introducir fracción</translation>
    </message>
    <message>
        <source>Toogle Number Sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <source>Erase Input</source>
        <translation>Borrar último dígito</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>guardar en memoria</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>recuperar memoria</translation>
    </message>
    <message>
        <source>Display CLock</source>
        <translation>Mostrar reloj</translation>
    </message>
    <message>
        <source>Logarithm</source>
        <translation>Logaritmo</translation>
    </message>
    <message>
        <source>log</source>
        <translation>logaritmo</translation>
    </message>
    <message>
        <source>Natural Logarithm</source>
        <translation>Logaritmo neperiano</translation>
    </message>
    <message>
        <source>ln</source>
        <translation>logaritmo neperiano</translation>
    </message>
    <message>
        <source>Random number generator</source>
        <translation>Generador de números aleatorios</translation>
    </message>
    <message>
        <source>Memory Delete</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Raíz cúbica</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>raíz cúbica</translation>
    </message>
    <message>
        <source>Anti-Logarithm </source>
        <translation>Antilogaritmo </translation>
    </message>
    <message>
        <source>anti log</source>
        <translation>antilogaritmo</translation>
    </message>
    <message>
        <source>Anti-Natural Logarithm</source>
        <translation>Antilogaritmo neperiano</translation>
    </message>
    <message>
        <source>anti ln</source>
        <translation>antilogaritmo neperiano</translation>
    </message>
    <message>
        <source>Rectangular to Polar</source>
        <translation>De rectangulares a polares</translation>
    </message>
    <message>
        <source>Polar to Rectangular</source>
        <translation>De polares a rectangulares</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>al cubo</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Constante científica</translation>
    </message>
    <message>
        <source>Memory Swap</source>
        <translation>Intercambiar con memoria</translation>
    </message>
    <message>
        <source>Input Swap</source>
        <translation>Intercambiar entradas</translation>
    </message>
    <message>
        <source>Fraction Converter</source>
        <translation>Conversor de fracciones</translation>
    </message>
    <message>
        <source>Memory Plus</source>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <source>Memory Minus</source>
        <translation>Restar de la memoria</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangente hiperbólica</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>Sum of square of data</source>
        <translation>Suma de los cuadrados de los datos</translation>
    </message>
    <message>
        <source>Sum of data raise to the power 2</source>
        <translation>Cuadrado de la suma de los datos</translation>
    </message>
    <message>
        <source>Sum of data</source>
        <translation>Suma de los datos</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Seno hiperbólico</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>Data mean</source>
        <translation>Media de los datos</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Desviación típica muestral</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Desviación típica poblacional</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Coseno hiperbólico</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>coseno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Coseno hiperbólico inverso</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>coseno hiperbólico inverso</translation>
    </message>
    <message>
        <source>Data count</source>
        <translation>Número de datos</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Add data</source>
        <translation>Añadir dato</translation>
    </message>
    <message>
        <source>Numeral 7</source>
        <translation>Dígito 7</translation>
    </message>
    <message>
        <source>Numeral 8</source>
        <translation>Dígito 8</translation>
    </message>
    <message>
        <source>Numeral 9</source>
        <translation>Dígito 9</translation>
    </message>
    <message>
        <source>Cancel Input</source>
        <translation>Cancelar entrada</translation>
    </message>
    <message>
        <source>Clear Calculation</source>
        <translation>Borrar cálculo</translation>
    </message>
    <message>
        <source>Numeral 4</source>
        <translation>Dígito 4</translation>
    </message>
    <message>
        <source>Numeral 5</source>
        <translation>Dígito 5</translation>
    </message>
    <message>
        <source>Numeral 6</source>
        <translation>Dígito 6</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>Numeral One</source>
        <translation>Dígito uno</translation>
    </message>
    <message>
        <source>Numeral Two</source>
        <translation>Dígito dos</translation>
    </message>
    <message>
        <source>Numeral 3</source>
        <translation>Dígito 3</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>+</source>
        <translation>más</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>Numeral Zero</source>
        <translation>Dígito cero</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Exponent  [F8]</source>
        <translation>Exponente  [F8]</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponente</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Constant PI  [F9]</source>
        <translation>Constante PI  [F9]</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>Memory IN</source>
        <translation>Memoria GUARDAR</translation>
    </message>
    <message>
        <source>Choose memory address to SAVE to.</source>
        <translation>Elija la dirección de memoria en la que desea GUARDAR el valor.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Memory RECALL</source>
        <translation>Memoria RECUPERAR</translation>
    </message>
    <message>
        <source>Choose memory address to RECALL value.</source>
        <translation>Elija la dirección de memoria cuyo valor desea RECUPERAR.</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Memory SWAP</source>
        <translation>Memoria INTERCAMBIAR</translation>
    </message>
    <message>
        <source>Choose memory address to SWAP value.</source>
        <translation>Elija la dirección de memoria con la que desea INTERCAMBIAR el valor.</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Memory ADD</source>
        <translation>Memoria SUMAR</translation>
    </message>
    <message>
        <source>Choose memory address to ADD value to.</source>
        <translation>Elija la dirección de memoria a la que desea SUMAR el valor.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Memory MINUS</source>
        <translation>Memoria RESTAR</translation>
    </message>
    <message>
        <source>Choose memory address to SUBTRACT value from.</source>
        <translation>Elija la dirección de memoria de la que desea RESTAR el valor.</translation>
    </message>
    <message>
        <source>Memory DELETE</source>
        <translation>Memoria BORRAR</translation>
    </message>
    <message>
        <source>Choose memory address to DELETE value.</source>
        <translation>Elija la dirección de memoria cuyo valor desea BORRAR.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Specify Description</source>
        <translation>Indique una descripción</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>No specified description</source>
        <translation>Sin descripción</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Are you sure you want to delete Selected Data?</source>
        <translation>¿Está seguro de que desea borrar los datos seleccionados?</translation>
    </message>
    <message>
        <source>Do you wish to OVERWRITE %1 ?</source>
        <translation>¿Desea SOBRESCRIBIR %1?</translation>
    </message>
</context>
<context>
    <name>Numora</name>
    <message>
        <source>F1 to F4 change pages   F8 EXP   F9 PI</source>
        <translation>F1 a F4: páginas   F8 EXP   F9 PI</translation>
    </message>
    <message>
        <source>1st Function</source>
        <translation>Funciones 1</translation>
    </message>
    <message>
        <source>2nd Function</source>
        <translation>Funciones 2</translation>
    </message>
    <message>
        <source>3rd Function</source>
        <translation>Funciones 3</translation>
    </message>
    <message>
        <source>Calc Mode</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Read Out Loud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Copy Result to Clipboard</source>
        <translation>Copiar resultado al portapapeles</translation>
    </message>
    <message>
        <source>Paste to Display as Input</source>
        <translation>Pegar en la pantalla como entrada</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta de papel</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modos</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Modo de pantalla</translation>
    </message>
    <message>
        <source>Fixed Mode</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Scientific Mode</source>
        <translation>Científico</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Angular Mode</source>
        <translation>Modo &amp;angular</translation>
    </message>
    <message>
        <source>Degree Mode</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Radian Mode</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Gradian Mode</source>
        <translation>Gradianes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>About Calculator</source>
        <translation>Acerca de la calculadora</translation>
    </message>
    <message>
        <source>Display Modes</source>
        <translation>Modos de pantalla</translation>
    </message>
    <message>
        <source>Angular Modes</source>
        <translation>Modos angulares</translation>
    </message>
    <message>
        <source>Display Precision [for Fixed &amp;&amp; Scientific Modes]</source>
        <translation>Precisión [para los modos Fijo &amp;&amp; Científico]</translation>
    </message>
    <message>
        <source>Hyperbolic Functions</source>
        <translation>Funciones hiperbólicas</translation>
    </message>
    <message>
        <source>Standard Deviation Functions</source>
        <translation>Desviación típica</translation>
    </message>
    <message>
        <source>   Address</source>
        <translation>   Dirección</translation>
    </message>
    <message>
        <source>              Value</source>
        <translation>              Valor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Choose data to delete:</source>
        <translation>Elija los datos que desea borrar:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Scientific Constant</source>
        <translation>Constante científica</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> N.º</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Value  </source>
        <translation>Valor  </translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>SPECIFY CONSTANT:</source>
        <translation>INDIQUE LA CONSTANTE:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Select a menu option to see a brief description.</source>
        <translation>Seleccione una opción del menú para ver una breve descripción.</translation>
    </message>
    <message>
        <source>Calculator Help</source>
        <translation>Ayuda de la calculadora</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copyright © The Numora developers.
Free software under the MIT licence.</source>
        <translation>Copyright © Los desarrolladores de Numora.
Software libre distribuido bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Reproduction or distribution of it, or of any part of it, against the terms of its licence is not permitted.</source>
        <translation>Advertencia: este programa está protegido por la legislación sobre derechos de autor. No se permite su reproducción ni su distribución, total o parcial, en contra de lo establecido en su licencia.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Read-out: %1</source>
        <translation>Voz de lectura: %1</translation>
    </message>
    <message>
        <source>not used yet</source>
        <translation>aún no utilizada</translation>
    </message>
    <message>
        <source>Please send your comments to:</source>
        <translation>Envíe sus comentarios a:</translation>
    </message>
    <message>
        <source>Error contacting %1 please try again later.</source>
        <translation>No se ha podido contactar con %1. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Usage: numora [--dir DIR]
A scientific calculator. A second start brings the running copy&apos;s window forward.

  --dir DIR      read and save the memory registers and the data set in DIR
  -h, --help     show this text and exit
  -v, --version  show the version and exit

See numora(1).
</source>
        <translation>Uso: numora [--dir DIR]
Calculadora científica. Si se inicia de nuevo, pasa a primer plano la ventana de la copia en ejecución.

  --dir DIR      lee y guarda en DIR los registros de memoria y el conjunto de datos
  -h, --help     muestra este texto y sale
  -v, --version  muestra la versión y sale

Consulte numora(1).
</translation>
    </message>
    <message>
        <source>On this desktop a window cannot keep itself above others; the desktop&apos;s window menu can keep it there.</source>
        <translation>En este escritorio una ventana no puede mantenerse por sí misma encima de las demás; el menú de ventana del escritorio puede mantenerla ahí.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>No brackets: Numora evaluates by priority as you key</source>
        <translation>Sin paréntesis: Numora aplica la prioridad al teclear</translation>
    </message>
    <message>
        <source>No percent key: multiply by 1.15 for 15%</source>
        <translation>Sin tecla de porcentaje: multiplique por 1,15 para un 15&#xa0;%</translation>
    </message>
    <message>
        <source>No key for that letter</source>
        <translation>No hay tecla para esa letra</translation>
    </message>
    <message>
        <source>Numora is already running but does not answer.</source>
        <translation>Numora ya se está ejecutando, pero no responde.</translation>
    </message>
    <message>
        <source>Numora is already running; its window was brought forward.</source>
        <translation>Numora ya se está ejecutando; su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Numora is already running; its window could not be brought forward.</source>
        <translation>Numora ya se está ejecutando; no se ha podido traer su ventana al frente.</translation>
    </message>
    <message>
        <source>The running window keeps the data folder %1; %2 is not used.</source>
        <translation>La ventana abierta conserva la carpeta de datos %1; %2 no se usa.</translation>
    </message>
</context>
</TS>
