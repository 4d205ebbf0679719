<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Application initialization error. Please, contact the developer.</source>
        <translation>Application initialization error. Please, contact the developer.</translation>
    </message>
</context>
<context>
    <name>ScreenAbout</name>
    <message>
        <source>Pantrix v1.1.1&lt;br&gt;Shopping lists&lt;br&gt;for touch screens</source>
        <translation>Pantrix v1.1.1&lt;br&gt;Shopping lists&lt;br&gt;for touch screens</translation>
    </message>
    <message>
        <source>Copyright 2026 Orvelle&lt;br&gt;Tap anywhere to close</source>
        <translation>Copyright 2026 Orvelle&lt;br&gt;Tap anywhere to close</translation>
    </message>
</context>
<context>
    <name>ScreenCategoryRow</name>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
    </message>
</context>
<context>
    <name>ScreenCheckout</name>
    <message>
        <source>Checkout</source>
        <translation>Checkout</translation>
    </message>
    <message>
        <source>Number of items:</source>
        <translation>Number of items:</translation>
    </message>
    <message>
        <source>Total sum:</source>
        <translation>Total sum:</translation>
    </message>
    <message>
        <source>List is empty. Do you want to delete it?</source>
        <translation>List is empty. Do you want to delete it?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>ScreenEdit</name>
    <message>
        <source>All items of selected category &quot;Uncategorised&quot; will be deleted. Continue?</source>
        <translation>All items of selected category &quot;Uncategorised&quot; will be deleted. Continue?</translation>
    </message>
    <message>
        <source>will be deleted. Do you want to delete all its items?</source>
        <translation>will be deleted. Do you want to delete all its items?</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>list editing</source>
        <translation>list editing</translation>
    </message>
    <message>
        <source>my items</source>
        <translation>my items</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>will be deleted. Continue?</source>
        <translation>will be deleted. Continue?</translation>
    </message>
    <message>
        <source>new item</source>
        <translation>new item</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>add selected</source>
        <translation>add selected</translation>
    </message>
    <message>
        <source>Edit list info</source>
        <translation>Edit list info</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>Go shopping</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>ScreenIconZone</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Dashboard</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>ScreenItemTexts</name>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
</context>
<context>
    <name>ScreenLanguages</name>
    <message>
        <source>Choose language</source>
        <translation>Choose language</translation>
    </message>
</context>
<context>
    <name>ScreenListShell</name>
    <message>
        <source>New item</source>
        <translation>New item</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Update item</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copy as text</translation>
    </message>
    <message>
        <source>Paste items</source>
        <translation>Paste items</translation>
    </message>
</context>
<context>
    <name>ScreenMain</name>
    <message>
        <source>Pantrix</source>
        <translation>Pantrix</translation>
    </message>
    <message>
        <source>available  lists</source>
        <translation>available  lists</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>will be deleted. Continue?</source>
        <translation>will be deleted. Continue?</translation>
    </message>
    <message>
        <source>new list</source>
        <translation>new list</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>List already exists. Do you want to overwrite it?</source>
        <translation>List already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read. Move it to the trash?</source>
        <translation>The list file &quot;%1&quot; cannot be read. Move it to the trash?</translation>
    </message>
    <message>
        <source>This list cannot be read</source>
        <translation>This list cannot be read</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenNewItem</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Choose category</source>
        <translation>Choose category</translation>
    </message>
    <message>
        <source>Choose unit</source>
        <translation>Choose unit</translation>
    </message>
</context>
<context>
    <name>ScreenNewList</name>
    <message>
        <source>List info</source>
        <translation>List info</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Choose currency</source>
        <translation>Choose currency</translation>
    </message>
</context>
<context>
    <name>ScreenPasteItems</name>
    <message>
        <source>Paste items</source>
        <translation>Paste items</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nothing to paste</translation>
    </message>
</context>
<context>
    <name>ScreenQueryDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>ScreenRowsPage</name>
    <message>
        <source>ticked</source>
        <translation>ticked</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>not ticked</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selected</translation>
    </message>
</context>
<context>
    <name>ScreenSheetButtons</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>ScreenShop</name>
    <message>
        <source>shopping</source>
        <translation>shopping</translation>
    </message>
    <message>
        <source>list</source>
        <translation>list</translation>
    </message>
    <message>
        <source>cart</source>
        <translation>cart</translation>
    </message>
    <message>
        <source>Edit list</source>
        <translation>Edit list</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Untick all</translation>
    </message>
</context>
<context>
    <name>ScreenSortEntries</name>
    <message>
        <source>Sort by product</source>
        <translation>Sort by product</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Sort by category</translation>
    </message>
</context>
<context>
    <name>ScreenSummaryTab</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenUndoBar</name>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
</context>
<context>
    <name>ptApplicationManager</name>
    <message>
        <source>List info</source>
        <translation>List info</translation>
    </message>
    <message>
        <source>All items unticked</source>
        <translation>All items unticked</translation>
    </message>
    <message>
        <source>Paste items</source>
        <translation>Paste items</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Add selected</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>New item</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Update item</translation>
    </message>
    <message>
        <source>List copied as text</source>
        <translation>List copied as text</translation>
    </message>
</context>
<context>
    <name>ptCategoriesDataModel</name>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
    </message>
</context>
<context>
    <name>ptCurrencyUnitsDataModel</name>
    <message>
        <source>Afghanistan Afghani</source>
        <translation>Afghan afghani</translation>
    </message>
    <message>
        <source>Albania Lek</source>
        <translation>Albanian lek</translation>
    </message>
    <message>
        <source>Algeria Dinar</source>
        <translation>Algerian dinar</translation>
    </message>
    <message>
        <source>Angola Kwanza</source>
        <translation>Angolan kwanza</translation>
    </message>
    <message>
        <source>Argentina Peso</source>
        <translation>Argentine peso</translation>
    </message>
    <message>
        <source>Armenia Dram</source>
        <translation>Armenian dram</translation>
    </message>
    <message>
        <source>Aruba Guilder</source>
        <translation>Aruban florin</translation>
    </message>
    <message>
        <source>Australia Dollar</source>
        <translation>Australian dollar</translation>
    </message>
    <message>
        <source>Azerbaijan New Manat</source>
        <translation>Azerbaijani manat</translation>
    </message>
    <message>
        <source>Bahamas Dollar</source>
        <translation>Bahamian dollar</translation>
    </message>
    <message>
        <source>Bahrain Dinar</source>
        <translation>Bahraini dinar</translation>
    </message>
    <message>
        <source>Bangladesh Taka</source>
        <translation>Bangladeshi taka</translation>
    </message>
    <message>
        <source>Barbados Dollar</source>
        <translation>Barbadian dollar</translation>
    </message>
    <message>
        <source>Belarus Ruble</source>
        <translation>Belarusian ruble</translation>
    </message>
    <message>
        <source>Belize Dollar</source>
        <translation>Belize dollar</translation>
    </message>
    <message>
        <source>Bermuda Dollar</source>
        <translation>Bermudian dollar</translation>
    </message>
    <message>
        <source>Bolivia Boliviano</source>
        <translation>Bolivian boliviano</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina Convertible Mark</source>
        <translation>Bosnia and Herzegovina convertible mark</translation>
    </message>
    <message>
        <source>Botswana Pula</source>
        <translation>Botswana pula</translation>
    </message>
    <message>
        <source>Brazil Real</source>
        <translation>Brazilian real</translation>
    </message>
    <message>
        <source>Brunei Darussalam Dollar</source>
        <translation>Brunei dollar</translation>
    </message>
    <message>
        <source>Bulgaria Lev</source>
        <translation>Bulgarian lev</translation>
    </message>
    <message>
        <source>Burundi Franc</source>
        <translation>Burundian franc</translation>
    </message>
    <message>
        <source>Canada Dollar</source>
        <translation>Canadian dollar</translation>
    </message>
    <message>
        <source>Cape Verde Escudo</source>
        <translation>Cape Verdean escudo</translation>
    </message>
    <message>
        <source>Cayman Islands Dollar</source>
        <translation>Cayman Islands dollar</translation>
    </message>
    <message>
        <source>Chile Peso</source>
        <translation>Chilean peso</translation>
    </message>
    <message>
        <source>China Yuan Renminbi</source>
        <translation>Renminbi</translation>
    </message>
    <message>
        <source>Colombia Peso</source>
        <translation>Colombian peso</translation>
    </message>
    <message>
        <source>Comoros Franc</source>
        <translation>Comorian franc</translation>
    </message>
    <message>
        <source>Congo/Kinshasa Franc</source>
        <translation>Congolese franc</translation>
    </message>
    <message>
        <source>Costa Rica Colon</source>
        <translation>Costa Rican colón</translation>
    </message>
    <message>
        <source>Croatia Kuna</source>
        <translation>Croatian kuna</translation>
    </message>
    <message>
        <source>Cuba Convertible Peso</source>
        <translation>Cuban convertible peso</translation>
    </message>
    <message>
        <source>Cuba Peso</source>
        <translation>Cuban peso</translation>
    </message>
    <message>
        <source>Czech Republic Koruna</source>
        <translation>Czech koruna</translation>
    </message>
    <message>
        <source>Denmark Krone</source>
        <translation>Danish krone</translation>
    </message>
    <message>
        <source>Djibouti Franc</source>
        <translation>Djiboutian franc</translation>
    </message>
    <message>
        <source>Dominican Republic Peso</source>
        <translation>Dominican peso</translation>
    </message>
    <message>
        <source>East Caribbean Dollar</source>
        <translation>East Caribbean dollar</translation>
    </message>
    <message>
        <source>Egypt Pound</source>
        <translation>Egyptian pound</translation>
    </message>
    <message>
        <source>El Salvador Colon</source>
        <translation>Salvadoran colón</translation>
    </message>
    <message>
        <source>Eritrea Nakfa</source>
        <translation>Eritrean nakfa</translation>
    </message>
    <message>
        <source>Ethiopia Birr</source>
        <translation>Ethiopian birr</translation>
    </message>
    <message>
        <source>Euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Falkland Islands (Malvinas) Pound</source>
        <translation>Falkland Islands pound</translation>
    </message>
    <message>
        <source>Fiji Dollar</source>
        <translation>Fijian dollar</translation>
    </message>
    <message>
        <source>Gambia Dalasi</source>
        <translation>Gambian dalasi</translation>
    </message>
    <message>
        <source>Georgia Lari</source>
        <translation>Georgian lari</translation>
    </message>
    <message>
        <source>Ghana Cedis</source>
        <translation>Ghana cedi</translation>
    </message>
    <message>
        <source>Gibraltar Pound</source>
        <translation>Gibraltar pound</translation>
    </message>
    <message>
        <source>Guatemala Quetzal</source>
        <translation>Guatemalan quetzal</translation>
    </message>
    <message>
        <source>Guernsey Pound</source>
        <translation>Guernsey pound</translation>
    </message>
    <message>
        <source>Guinea Franc</source>
        <translation>Guinean franc</translation>
    </message>
    <message>
        <source>Guyana Dollar</source>
        <translation>Guyanese dollar</translation>
    </message>
    <message>
        <source>Haiti Gourde</source>
        <translation>Haitian gourde</translation>
    </message>
    <message>
        <source>Honduras Lempira</source>
        <translation>Honduran lempira</translation>
    </message>
    <message>
        <source>Hong Kong Dollar</source>
        <translation>Hong Kong dollar</translation>
    </message>
    <message>
        <source>Hungary Forint</source>
        <translation>Hungarian forint</translation>
    </message>
    <message>
        <source>Iceland Krona</source>
        <translation>Icelandic króna</translation>
    </message>
    <message>
        <source>India Rupee</source>
        <translation>Indian rupee</translation>
    </message>
    <message>
        <source>Indonesia Rupiah</source>
        <translation>Indonesian rupiah</translation>
    </message>
    <message>
        <source>Iran Rial</source>
        <translation>Iranian rial</translation>
    </message>
    <message>
        <source>Iraq Dinar</source>
        <translation>Iraqi dinar</translation>
    </message>
    <message>
        <source>Isle of Man Pound</source>
        <translation>Isle of Man pound</translation>
    </message>
    <message>
        <source>Israel Shekel</source>
        <translation>Israeli shekel</translation>
    </message>
    <message>
        <source>Jamaica Dollar</source>
        <translation>Jamaican dollar</translation>
    </message>
    <message>
        <source>Japan Yen</source>
        <translation>Japanese yen</translation>
    </message>
    <message>
        <source>Jersey Pound</source>
        <translation>Jersey pound</translation>
    </message>
    <message>
        <source>Jordan Dinar</source>
        <translation>Jordanian dinar</translation>
    </message>
    <message>
        <source>Kazakhstan Tenge</source>
        <translation>Kazakhstani tenge</translation>
    </message>
    <message>
        <source>Kenya Shilling</source>
        <translation>Kenyan shilling</translation>
    </message>
    <message>
        <source>Korea (North) Won</source>
        <translation>North Korean won</translation>
    </message>
    <message>
        <source>Korea (South) Won</source>
        <translation>South Korean won</translation>
    </message>
    <message>
        <source>Kuwait Dinar</source>
        <translation>Kuwaiti dinar</translation>
    </message>
    <message>
        <source>Kyrgyzstan Som</source>
        <translation>Kyrgyzstani som</translation>
    </message>
    <message>
        <source>Laos Kip</source>
        <translation>Lao kip</translation>
    </message>
    <message>
        <source>Latvia Lat</source>
        <translation>Latvian lats</translation>
    </message>
    <message>
        <source>Lebanon Pound</source>
        <translation>Lebanese pound</translation>
    </message>
    <message>
        <source>Liberia Dollar</source>
        <translation>Liberian dollar</translation>
    </message>
    <message>
        <source>Libya Dinar</source>
        <translation>Libyan dinar</translation>
    </message>
    <message>
        <source>Lithuania Litas</source>
        <translation>Lithuanian litas</translation>
    </message>
    <message>
        <source>Macau Pataca</source>
        <translation>Macanese pataca</translation>
    </message>
    <message>
        <source>Macedonia Denar</source>
        <translation>Macedonian denar</translation>
    </message>
    <message>
        <source>Madagascar Ariary</source>
        <translation>Malagasy ariary</translation>
    </message>
    <message>
        <source>Malawi Kwacha</source>
        <translation>Malawian kwacha</translation>
    </message>
    <message>
        <source>Malaysia Ringgit</source>
        <translation>Malaysian ringgit</translation>
    </message>
    <message>
        <source>Maldives (Maldive Islands) Rufiyaa</source>
        <translation>Maldivian rufiyaa</translation>
    </message>
    <message>
        <source>Mauritania Ouguiya</source>
        <translation>Mauritanian ouguiya</translation>
    </message>
    <message>
        <source>Mauritius Rupee</source>
        <translation>Mauritian rupee</translation>
    </message>
    <message>
        <source>Mexico Peso</source>
        <translation>Mexican peso</translation>
    </message>
    <message>
        <source>Moldova Leu</source>
        <translation>Moldovan leu</translation>
    </message>
    <message>
        <source>Mongolia Tughrik</source>
        <translation>Mongolian tögrög</translation>
    </message>
    <message>
        <source>Morocco Dirham</source>
        <translation>Moroccan dirham</translation>
    </message>
    <message>
        <source>Mozambique Metical</source>
        <translation>Mozambican metical</translation>
    </message>
    <message>
        <source>Myanmar (Burma) Kyat</source>
        <translation>Burmese kyat</translation>
    </message>
    <message>
        <source>Namibia Dollar</source>
        <translation>Namibian dollar</translation>
    </message>
    <message>
        <source>Nepal Rupee</source>
        <translation>Nepalese rupee</translation>
    </message>
    <message>
        <source>Netherlands Antilles Guilder</source>
        <translation>Netherlands Antillean guilder</translation>
    </message>
    <message>
        <source>New Zealand Dollar</source>
        <translation>New Zealand dollar</translation>
    </message>
    <message>
        <source>Nicaragua Cordoba</source>
        <translation>Nicaraguan córdoba</translation>
    </message>
    <message>
        <source>Nigeria Naira</source>
        <translation>Nigerian naira</translation>
    </message>
    <message>
        <source>Norway Krone</source>
        <translation>Norwegian krone</translation>
    </message>
    <message>
        <source>Oman Rial</source>
        <translation>Omani rial</translation>
    </message>
    <message>
        <source>Pakistan Rupee</source>
        <translation>Pakistani rupee</translation>
    </message>
    <message>
        <source>Panama Balboa</source>
        <translation>Panamanian balboa</translation>
    </message>
    <message>
        <source>Papua New Guinea Kina</source>
        <translation>Papua New Guinean kina</translation>
    </message>
    <message>
        <source>Paraguay Guarani</source>
        <translation>Paraguayan guaraní</translation>
    </message>
    <message>
        <source>Peru Nuevo Sol</source>
        <translation>Peruvian nuevo sol</translation>
    </message>
    <message>
        <source>Philippines Peso</source>
        <translation>Philippine peso</translation>
    </message>
    <message>
        <source>Poland Zloty</source>
        <translation>Polish złoty</translation>
    </message>
    <message>
        <source>Qatar Riyal</source>
        <translation>Qatari riyal</translation>
    </message>
    <message>
        <source>Romania New Leu</source>
        <translation>Romanian leu</translation>
    </message>
    <message>
        <source>Russia Ruble</source>
        <translation>Russian ruble</translation>
    </message>
    <message>
        <source>Rwanda Franc</source>
        <translation>Rwanda franc</translation>
    </message>
    <message>
        <source>Saint Helena Pound</source>
        <translation>Saint Helena pound</translation>
    </message>
    <message>
        <source>Samoa Tala</source>
        <translation>Samoan tālā</translation>
    </message>
    <message>
        <source>Saudi Arabia Riyal</source>
        <translation>Saudi riyal</translation>
    </message>
    <message>
        <source>Serbia Dinar</source>
        <translation>Serbian dinar</translation>
    </message>
    <message>
        <source>Seychelles Rupee</source>
        <translation>Seychellois rupee</translation>
    </message>
    <message>
        <source>Singapore Dollar</source>
        <translation>Singapore dollar</translation>
    </message>
    <message>
        <source>Solomon Islands Dollar</source>
        <translation>Solomon Islands dollar</translation>
    </message>
    <message>
        <source>Somalia Shilling</source>
        <translation>Somali shilling</translation>
    </message>
    <message>
        <source>South Africa Rand</source>
        <translation>South African rand</translation>
    </message>
    <message>
        <source>Sri Lanka Rupee</source>
        <translation>Sri Lankan rupee</translation>
    </message>
    <message>
        <source>Sudan Pound</source>
        <translation>Sudanese pound</translation>
    </message>
    <message>
        <source>Suriname Dollar</source>
        <translation>Surinamese dollar</translation>
    </message>
    <message>
        <source>Swaziland Lilangeni</source>
        <translation>Swazi lilangeni</translation>
    </message>
    <message>
        <source>Sweden Krona</source>
        <translation>Swedish krona</translation>
    </message>
    <message>
        <source>Switzerland Franc</source>
        <translation>Swiss franc</translation>
    </message>
    <message>
        <source>Syria Pound</source>
        <translation>Syrian pound</translation>
    </message>
    <message>
        <source>Taiwan New Dollar</source>
        <translation>New Taiwan dollar</translation>
    </message>
    <message>
        <source>Tajikistan Somoni</source>
        <translation>Tajikistani somoni</translation>
    </message>
    <message>
        <source>Thailand Baht</source>
        <translation>Thai baht</translation>
    </message>
    <message>
        <source>Trinidad and Tobago Dollar</source>
        <translation>Trinidad and Tobago dollar</translation>
    </message>
    <message>
        <source>Tunisia Dinar</source>
        <translation>Tunisian dinar</translation>
    </message>
    <message>
        <source>Turkey Lira</source>
        <translation>Turkish lira</translation>
    </message>
    <message>
        <source>Turkmenistan Manat</source>
        <translation>Turkmenistan manat</translation>
    </message>
    <message>
        <source>Tuvalu Dollar</source>
        <translation>Tuvaluan dollar</translation>
    </message>
    <message>
        <source>Uganda Shilling</source>
        <translation>Ugandan shilling</translation>
    </message>
    <message>
        <source>Ukraine Hryvna</source>
        <translation>Ukrainian hryvnia</translation>
    </message>
    <message>
        <source>United Arab Emirates Dirham</source>
        <translation>United Arab Emirates dirham</translation>
    </message>
    <message>
        <source>United Kingdom Pound</source>
        <translation>UK Pound sterling</translation>
    </message>
    <message>
        <source>United States Dollar</source>
        <translation>United States dollar</translation>
    </message>
    <message>
        <source>Uruguay Peso</source>
        <translation>Uruguayan peso</translation>
    </message>
    <message>
        <source>Uzbekistan Som</source>
        <translation>Uzbekistani som</translation>
    </message>
    <message>
        <source>Vanuatu Vatu</source>
        <translation>Vanuatu vatu</translation>
    </message>
    <message>
        <source>Venezuela Bolivar Fuerte</source>
        <translation>Venezuelan bolívar</translation>
    </message>
    <message>
        <source>Viet Nam Dong</source>
        <translation>Vietnamese đồng</translation>
    </message>
    <message>
        <source>Yemen Rial</source>
        <translation>Yemeni rial</translation>
    </message>
    <message>
        <source>Zambia Kwacha</source>
        <translation>Zambian kwacha</translation>
    </message>
    <message>
        <source>Zimbabwe Dollar</source>
        <translation>Zimbabwean dollar</translation>
    </message>
</context>
<context>
    <name>ptLanguagesDataModel</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
</context>
<context>
    <name>ptListDataModel</name>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
    </message>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
</context>
<context>
    <name>ptMeasureUnitsDataModel</name>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>gi</source>
        <translation>gi</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>qt</source>
        <translation>qt</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>gal</translation>
    </message>
    <message>
        <source>box</source>
        <translation>box</translation>
    </message>
    <message>
        <source>pack</source>
        <translation>pack</translation>
    </message>
    <message>
        <source>cont</source>
        <translation>cont</translation>
    </message>
    <message>
        <source>bott</source>
        <translation>bott</translation>
    </message>
    <message>
        <source>can</source>
        <translation>can</translation>
    </message>
</context>
<context>
    <name>ptUndoCommand</name>
    <message>
        <source>Deleted: %1</source>
        <translation>Deleted: %1</translation>
    </message>
</context>
</TS>
