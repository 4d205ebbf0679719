<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Application initialization error. Please, contact the developer.</source>
        <translation>Ошибка инициализации приложения. Пожалуйста, обратитесь к разработчику.</translation>
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
        <translation>Без категории</translation>
    </message>
</context>
<context>
    <name>ScreenCheckout</name>
    <message>
        <source>Checkout</source>
        <translation>Касса</translation>
    </message>
    <message>
        <source>Number of items:</source>
        <translation>Количество элементов:</translation>
    </message>
    <message>
        <source>Total sum:</source>
        <translation>Общая сумма:</translation>
    </message>
    <message>
        <source>List is empty. Do you want to delete it?</source>
        <translation>Список пуст. Хотите удалить его?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>ScreenEdit</name>
    <message>
        <source>All items of selected category &quot;Uncategorised&quot; will be deleted. Continue?</source>
        <translation>Все элементы выбранной категории &quot;Без категории&quot; будут удалены. Продолжить?</translation>
    </message>
    <message>
        <source>will be deleted. Do you want to delete all its items?</source>
        <translation>будет удалена. Хотите также удалить все ее элементы?</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>list editing</source>
        <translation>редактирование списка</translation>
    </message>
    <message>
        <source>my items</source>
        <translation>мои элементы</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>will be deleted. Continue?</source>
        <translation>будет удален. Продолжить?</translation>
    </message>
    <message>
        <source>new item</source>
        <translation>новый элемент</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>отмена</translation>
    </message>
    <message>
        <source>add selected</source>
        <translation>добавить выделенные</translation>
    </message>
    <message>
        <source>Edit list info</source>
        <translation>Редактировать информацию списка</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>В магазин</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
</context>
<context>
    <name>ScreenIconZone</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Панель задач</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>ScreenItemTexts</name>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
</context>
<context>
    <name>ScreenLanguages</name>
    <message>
        <source>Choose language</source>
        <translation>Выберите язык</translation>
    </message>
</context>
<context>
    <name>ScreenListShell</name>
    <message>
        <source>New item</source>
        <translation>Новый элемент</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Обновление элемента</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Копировать как текст</translation>
    </message>
    <message>
        <source>Paste items</source>
        <translation>Вставить элементы</translation>
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
        <translation>доступные списки</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>will be deleted. Continue?</source>
        <translation>будет удален. Продолжить?</translation>
    </message>
    <message>
        <source>new list</source>
        <translation>новый список</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>List already exists. Do you want to overwrite it?</source>
        <translation>Список уже существует. Хотите заменить его?</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; cannot be read. Move it to the trash?</source>
        <translation>Файл списка &quot;%1&quot; не читается. Переместить его в корзину?</translation>
    </message>
    <message>
        <source>This list cannot be read</source>
        <translation>Этот список не читается</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenNewItem</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Choose category</source>
        <translation>Выберите категорию</translation>
    </message>
    <message>
        <source>Choose unit</source>
        <translation>Выберите единицу измерения</translation>
    </message>
</context>
<context>
    <name>ScreenNewList</name>
    <message>
        <source>List info</source>
        <translation>Информация о списке</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Ден.ед.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Choose currency</source>
        <translation>Выберите денежную единицу</translation>
    </message>
</context>
<context>
    <name>ScreenPasteItems</name>
    <message>
        <source>Paste items</source>
        <translation>Вставить элементы</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Нечего вставить</translation>
    </message>
</context>
<context>
    <name>ScreenQueryDialog</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>ScreenRowsPage</name>
    <message>
        <source>ticked</source>
        <translation>отмечен</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>не отмечен</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>выбран</translation>
    </message>
</context>
<context>
    <name>ScreenSheetButtons</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>покупки</translation>
    </message>
    <message>
        <source>list</source>
        <translation>список</translation>
    </message>
    <message>
        <source>cart</source>
        <translation>корзина</translation>
    </message>
    <message>
        <source>Edit list</source>
        <translation>Редактировать список</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Снять все отметки</translation>
    </message>
</context>
<context>
    <name>ScreenSortEntries</name>
    <message>
        <source>Sort by product</source>
        <translation>Сортировать по продуктам</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Сортировать по категориям</translation>
    </message>
</context>
<context>
    <name>ScreenSummaryTab</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenUndoBar</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
</context>
<context>
    <name>ptApplicationManager</name>
    <message>
        <source>List info</source>
        <translation>Информация о списке</translation>
    </message>
    <message>
        <source>All items unticked</source>
        <translation>Все отметки сняты</translation>
    </message>
    <message>
        <source>Paste items</source>
        <translation>Вставить элементы</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Добавить выбранные</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Новый элемент</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Обновление элемента</translation>
    </message>
    <message>
        <source>List copied as text</source>
        <translation>Список скопирован как текст</translation>
    </message>
</context>
<context>
    <name>ptCategoriesDataModel</name>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
    </message>
</context>
<context>
    <name>ptCurrencyUnitsDataModel</name>
    <message>
        <source>Afghanistan Afghani</source>
        <translation>Афганистанский афгани</translation>
    </message>
    <message>
        <source>Albania Lek</source>
        <translation>Албанский лек</translation>
    </message>
    <message>
        <source>Algeria Dinar</source>
        <translation>Алжирский динар</translation>
    </message>
    <message>
        <source>Angola Kwanza</source>
        <translation>Ангольская Кванза</translation>
    </message>
    <message>
        <source>Argentina Peso</source>
        <translation>Аргентинское песо</translation>
    </message>
    <message>
        <source>Armenia Dram</source>
        <translation>Армянский драм</translation>
    </message>
    <message>
        <source>Aruba Guilder</source>
        <translation>Арубанский флорин</translation>
    </message>
    <message>
        <source>Australia Dollar</source>
        <translation>Австралийский доллар</translation>
    </message>
    <message>
        <source>Azerbaijan New Manat</source>
        <translation>Азербайджанский манат</translation>
    </message>
    <message>
        <source>Bahamas Dollar</source>
        <translation>Багамский доллар</translation>
    </message>
    <message>
        <source>Bahrain Dinar</source>
        <translation>Бахрейнский динар</translation>
    </message>
    <message>
        <source>Bangladesh Taka</source>
        <translation>Бангладешская така</translation>
    </message>
    <message>
        <source>Barbados Dollar</source>
        <translation>Барбадосский доллар</translation>
    </message>
    <message>
        <source>Belarus Ruble</source>
        <translation>Белорусский рубль</translation>
    </message>
    <message>
        <source>Belize Dollar</source>
        <translation>Белизский доллар</translation>
    </message>
    <message>
        <source>Bermuda Dollar</source>
        <translation>Бермудский доллар</translation>
    </message>
    <message>
        <source>Bolivia Boliviano</source>
        <translation>Боливийский боливиано</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina Convertible Mark</source>
        <translation>Боснийская конвертируемая марка</translation>
    </message>
    <message>
        <source>Botswana Pula</source>
        <translation>Ботсванская пула</translation>
    </message>
    <message>
        <source>Brazil Real</source>
        <translation>Бразильский реал</translation>
    </message>
    <message>
        <source>Brunei Darussalam Dollar</source>
        <translation>Брунейский доллар</translation>
    </message>
    <message>
        <source>Bulgaria Lev</source>
        <translation>Болгарский лев</translation>
    </message>
    <message>
        <source>Burundi Franc</source>
        <translation>Бурундийский франк</translation>
    </message>
    <message>
        <source>Canada Dollar</source>
        <translation>Канадский доллар</translation>
    </message>
    <message>
        <source>Cape Verde Escudo</source>
        <translation>Эскудо Кабо-Верде</translation>
    </message>
    <message>
        <source>Cayman Islands Dollar</source>
        <translation>Доллар Каймановых островов</translation>
    </message>
    <message>
        <source>Chile Peso</source>
        <translation>Чилийское песо</translation>
    </message>
    <message>
        <source>China Yuan Renminbi</source>
        <translation>Жэньминьби</translation>
    </message>
    <message>
        <source>Colombia Peso</source>
        <translation>Колумбийское песо</translation>
    </message>
    <message>
        <source>Comoros Franc</source>
        <translation>Франк Комор</translation>
    </message>
    <message>
        <source>Congo/Kinshasa Franc</source>
        <translation>Конголезский франк</translation>
    </message>
    <message>
        <source>Costa Rica Colon</source>
        <translation>Костариканский колон</translation>
    </message>
    <message>
        <source>Croatia Kuna</source>
        <translation>Хорватская куна</translation>
    </message>
    <message>
        <source>Cuba Convertible Peso</source>
        <translation>Кубинский конвертируемый песо</translation>
    </message>
    <message>
        <source>Cuba Peso</source>
        <translation>Кубинское песо</translation>
    </message>
    <message>
        <source>Czech Republic Koruna</source>
        <translation>Чешская крона</translation>
    </message>
    <message>
        <source>Denmark Krone</source>
        <translation>Датская крона</translation>
    </message>
    <message>
        <source>Djibouti Franc</source>
        <translation>Франк Джибути</translation>
    </message>
    <message>
        <source>Dominican Republic Peso</source>
        <translation>Доминиканское песо</translation>
    </message>
    <message>
        <source>East Caribbean Dollar</source>
        <translation>Восточно-карибский доллар</translation>
    </message>
    <message>
        <source>Egypt Pound</source>
        <translation>Египетский фунт</translation>
    </message>
    <message>
        <source>El Salvador Colon</source>
        <translation>Сальвадорский колон</translation>
    </message>
    <message>
        <source>Eritrea Nakfa</source>
        <translation>Эритрейская накфа</translation>
    </message>
    <message>
        <source>Ethiopia Birr</source>
        <translation>Эфиопский быр</translation>
    </message>
    <message>
        <source>Euro</source>
        <translation>Евро</translation>
    </message>
    <message>
        <source>Falkland Islands (Malvinas) Pound</source>
        <translation>Фунт Фолклендских островов</translation>
    </message>
    <message>
        <source>Fiji Dollar</source>
        <translation>Доллар Фиджи</translation>
    </message>
    <message>
        <source>Gambia Dalasi</source>
        <translation>Гамбийский даласи</translation>
    </message>
    <message>
        <source>Georgia Lari</source>
        <translation>Грузинский лари</translation>
    </message>
    <message>
        <source>Ghana Cedis</source>
        <translation>Ганский седи</translation>
    </message>
    <message>
        <source>Gibraltar Pound</source>
        <translation>Гибралтарский фунт</translation>
    </message>
    <message>
        <source>Guatemala Quetzal</source>
        <translation>Гватемальский кетцаль</translation>
    </message>
    <message>
        <source>Guernsey Pound</source>
        <translation>Гернсийский фунт</translation>
    </message>
    <message>
        <source>Guinea Franc</source>
        <translation>Гвинейский франк</translation>
    </message>
    <message>
        <source>Guyana Dollar</source>
        <translation>Гайанский доллар</translation>
    </message>
    <message>
        <source>Haiti Gourde</source>
        <translation>Гаитянский гурд</translation>
    </message>
    <message>
        <source>Honduras Lempira</source>
        <translation>Гондурасская лемпира</translation>
    </message>
    <message>
        <source>Hong Kong Dollar</source>
        <translation>Гонконгский доллар</translation>
    </message>
    <message>
        <source>Hungary Forint</source>
        <translation>Венгерский форинт</translation>
    </message>
    <message>
        <source>Iceland Krona</source>
        <translation>Исландская крона</translation>
    </message>
    <message>
        <source>India Rupee</source>
        <translation>Индийская рупия</translation>
    </message>
    <message>
        <source>Indonesia Rupiah</source>
        <translation>Индонезийская рупия</translation>
    </message>
    <message>
        <source>Iran Rial</source>
        <translation>Иранский риал</translation>
    </message>
    <message>
        <source>Iraq Dinar</source>
        <translation>Иракский динар</translation>
    </message>
    <message>
        <source>Isle of Man Pound</source>
        <translation>Мэнский фунт</translation>
    </message>
    <message>
        <source>Israel Shekel</source>
        <translation>Израильский шекель</translation>
    </message>
    <message>
        <source>Jamaica Dollar</source>
        <translation>Ямайский доллар</translation>
    </message>
    <message>
        <source>Japan Yen</source>
        <translation>Японская иена</translation>
    </message>
    <message>
        <source>Jersey Pound</source>
        <translation>Джерсийский фунт</translation>
    </message>
    <message>
        <source>Jordan Dinar</source>
        <translation>Иорданский динар</translation>
    </message>
    <message>
        <source>Kazakhstan Tenge</source>
        <translation>Казахстанский тенге</translation>
    </message>
    <message>
        <source>Kenya Shilling</source>
        <translation>Кенийский шиллинг</translation>
    </message>
    <message>
        <source>Korea (North) Won</source>
        <translation>Вона КНДР</translation>
    </message>
    <message>
        <source>Korea (South) Won</source>
        <translation>Южнокорейская вона</translation>
    </message>
    <message>
        <source>Kuwait Dinar</source>
        <translation>Кувейтский динар</translation>
    </message>
    <message>
        <source>Kyrgyzstan Som</source>
        <translation>Киргизский сом</translation>
    </message>
    <message>
        <source>Laos Kip</source>
        <translation>Лаосский кип</translation>
    </message>
    <message>
        <source>Latvia Lat</source>
        <translation>Латвийский лат</translation>
    </message>
    <message>
        <source>Lebanon Pound</source>
        <translation>Ливанский фунт</translation>
    </message>
    <message>
        <source>Liberia Dollar</source>
        <translation>Либерийский доллар</translation>
    </message>
    <message>
        <source>Libya Dinar</source>
        <translation>Ливийский динар</translation>
    </message>
    <message>
        <source>Lithuania Litas</source>
        <translation>Литовский лит</translation>
    </message>
    <message>
        <source>Macau Pataca</source>
        <translation>Патака Макао</translation>
    </message>
    <message>
        <source>Macedonia Denar</source>
        <translation>Македонский денар</translation>
    </message>
    <message>
        <source>Madagascar Ariary</source>
        <translation>Малагасийский ариари</translation>
    </message>
    <message>
        <source>Malawi Kwacha</source>
        <translation>Малавийская квача</translation>
    </message>
    <message>
        <source>Malaysia Ringgit</source>
        <translation>Малайзийский ринггит</translation>
    </message>
    <message>
        <source>Maldives (Maldive Islands) Rufiyaa</source>
        <translation>Мальдивская руфия</translation>
    </message>
    <message>
        <source>Mauritania Ouguiya</source>
        <translation>Мавританская угия</translation>
    </message>
    <message>
        <source>Mauritius Rupee</source>
        <translation>Маврикийская рупия</translation>
    </message>
    <message>
        <source>Mexico Peso</source>
        <translation>Мексиканское песо</translation>
    </message>
    <message>
        <source>Moldova Leu</source>
        <translation>Молдавский лей</translation>
    </message>
    <message>
        <source>Mongolia Tughrik</source>
        <translation>Монгольский тугрик</translation>
    </message>
    <message>
        <source>Morocco Dirham</source>
        <translation>Марокканский дирхам</translation>
    </message>
    <message>
        <source>Mozambique Metical</source>
        <translation>Мозамбикский метикал</translation>
    </message>
    <message>
        <source>Myanmar (Burma) Kyat</source>
        <translation>Мьянманский кьят</translation>
    </message>
    <message>
        <source>Namibia Dollar</source>
        <translation>Доллар Намибии</translation>
    </message>
    <message>
        <source>Nepal Rupee</source>
        <translation>Непальская рупия</translation>
    </message>
    <message>
        <source>Netherlands Antilles Guilder</source>
        <translation>Гульден Нидерландских Антильских островов</translation>
    </message>
    <message>
        <source>New Zealand Dollar</source>
        <translation>Новозеландский доллар</translation>
    </message>
    <message>
        <source>Nicaragua Cordoba</source>
        <translation>Никарагуанская кордоба</translation>
    </message>
    <message>
        <source>Nigeria Naira</source>
        <translation>Нигерийская найра</translation>
    </message>
    <message>
        <source>Norway Krone</source>
        <translation>Норвежская крона</translation>
    </message>
    <message>
        <source>Oman Rial</source>
        <translation>Оманский риал</translation>
    </message>
    <message>
        <source>Pakistan Rupee</source>
        <translation>Пакистанская рупия</translation>
    </message>
    <message>
        <source>Panama Balboa</source>
        <translation>Панамский бальбоа</translation>
    </message>
    <message>
        <source>Papua New Guinea Kina</source>
        <translation>Кина Папуа Новой Гвинеи</translation>
    </message>
    <message>
        <source>Paraguay Guarani</source>
        <translation>Парагвайский гуарани</translation>
    </message>
    <message>
        <source>Peru Nuevo Sol</source>
        <translation>Перуанский новый соль</translation>
    </message>
    <message>
        <source>Philippines Peso</source>
        <translation>Филиппинское песо</translation>
    </message>
    <message>
        <source>Poland Zloty</source>
        <translation>Польский злотый</translation>
    </message>
    <message>
        <source>Qatar Riyal</source>
        <translation>Катарский риал</translation>
    </message>
    <message>
        <source>Romania New Leu</source>
        <translation>Румынский лей</translation>
    </message>
    <message>
        <source>Russia Ruble</source>
        <translation>Российский рубль</translation>
    </message>
    <message>
        <source>Rwanda Franc</source>
        <translation>Руандийский франк</translation>
    </message>
    <message>
        <source>Saint Helena Pound</source>
        <translation>Фунт Святой Елены</translation>
    </message>
    <message>
        <source>Samoa Tala</source>
        <translation>Самоанская тала</translation>
    </message>
    <message>
        <source>Saudi Arabia Riyal</source>
        <translation>Риал Саудовской Аравии</translation>
    </message>
    <message>
        <source>Serbia Dinar</source>
        <translation>Сербский динар</translation>
    </message>
    <message>
        <source>Seychelles Rupee</source>
        <translation>Сейшельская рупия</translation>
    </message>
    <message>
        <source>Singapore Dollar</source>
        <translation>Сингапурский доллар</translation>
    </message>
    <message>
        <source>Solomon Islands Dollar</source>
        <translation>Доллар Соломоновых Островов</translation>
    </message>
    <message>
        <source>Somalia Shilling</source>
        <translation>Сомалийский шиллинг</translation>
    </message>
    <message>
        <source>South Africa Rand</source>
        <translation>Южноафриканский ранд</translation>
    </message>
    <message>
        <source>Sri Lanka Rupee</source>
        <translation>Шри-Ланкийская рупия</translation>
    </message>
    <message>
        <source>Sudan Pound</source>
        <translation>Суданский фунт</translation>
    </message>
    <message>
        <source>Suriname Dollar</source>
        <translation>Суринамский доллар</translation>
    </message>
    <message>
        <source>Swaziland Lilangeni</source>
        <translation>Свазилендский лилангени</translation>
    </message>
    <message>
        <source>Sweden Krona</source>
        <translation>Шведская крона</translation>
    </message>
    <message>
        <source>Switzerland Franc</source>
        <translation>Швейцарский франк</translation>
    </message>
    <message>
        <source>Syria Pound</source>
        <translation>Сирийский фунт</translation>
    </message>
    <message>
        <source>Taiwan New Dollar</source>
        <translation>Новый тайваньский доллар</translation>
    </message>
    <message>
        <source>Tajikistan Somoni</source>
        <translation>Таджикский сомони</translation>
    </message>
    <message>
        <source>Thailand Baht</source>
        <translation>Тайский бат</translation>
    </message>
    <message>
        <source>Trinidad and Tobago Dollar</source>
        <translation>Доллар Тринидада и Тобаго</translation>
    </message>
    <message>
        <source>Tunisia Dinar</source>
        <translation>Тунисский динар</translation>
    </message>
    <message>
        <source>Turkey Lira</source>
        <translation>Турецкая лира</translation>
    </message>
    <message>
        <source>Turkmenistan Manat</source>
        <translation>Туркменский манат</translation>
    </message>
    <message>
        <source>Tuvalu Dollar</source>
        <translation>Доллар Тувалу</translation>
    </message>
    <message>
        <source>Uganda Shilling</source>
        <translation>Угандийский шиллинг</translation>
    </message>
    <message>
        <source>Ukraine Hryvna</source>
        <translation>Украинская гривна</translation>
    </message>
    <message>
        <source>United Arab Emirates Dirham</source>
        <translation>Дирхам ОАЭ</translation>
    </message>
    <message>
        <source>United Kingdom Pound</source>
        <translation>Фунт стерлингов Великобритании</translation>
    </message>
    <message>
        <source>United States Dollar</source>
        <translation>Доллар США</translation>
    </message>
    <message>
        <source>Uruguay Peso</source>
        <translation>Уругвайское песо</translation>
    </message>
    <message>
        <source>Uzbekistan Som</source>
        <translation>Узбекистанский сум</translation>
    </message>
    <message>
        <source>Vanuatu Vatu</source>
        <translation>Вануатский вату</translation>
    </message>
    <message>
        <source>Venezuela Bolivar Fuerte</source>
        <translation>Венесуэльский боливар</translation>
    </message>
    <message>
        <source>Viet Nam Dong</source>
        <translation>Вьетнамский донг</translation>
    </message>
    <message>
        <source>Yemen Rial</source>
        <translation>Йеменский риал</translation>
    </message>
    <message>
        <source>Zambia Kwacha</source>
        <translation>Замбийская квача</translation>
    </message>
    <message>
        <source>Zimbabwe Dollar</source>
        <translation>Доллар Зимбабве</translation>
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
        <translation>Список</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
    </message>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
</context>
<context>
    <name>ptMeasureUnitsDataModel</name>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
    <message>
        <source>g</source>
        <translation>гр</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>мл</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>фун</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>унц</translation>
    </message>
    <message>
        <source>gi</source>
        <translation>ги</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>пин</translation>
    </message>
    <message>
        <source>qt</source>
        <translation>ква</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>гал</translation>
    </message>
    <message>
        <source>box</source>
        <translation>кор</translation>
    </message>
    <message>
        <source>pack</source>
        <translation>упак</translation>
    </message>
    <message>
        <source>cont</source>
        <translation>конт</translation>
    </message>
    <message>
        <source>bott</source>
        <translation>бут</translation>
    </message>
    <message>
        <source>can</source>
        <translation>бан</translation>
    </message>
</context>
<context>
    <name>ptUndoCommand</name>
    <message>
        <source>Deleted: %1</source>
        <translation>Удалено: %1</translation>
    </message>
</context>
</TS>
