<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ScreenCategoriesDelegate</name>
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
        <source>Uncategorised</source>
        <translation>Без категории</translation>
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
        <translation>Item</translation>
    </message>
    <message>
        <source>will be deleted. Continue?</source>
        <translation>будет удален. Продолжить?</translation>
    </message>
    <message>
        <source>new item</source>
        <translation>новый элемент</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
        </translation>
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
        <source>Sort by product</source>
        <translation>Сортировать по продуктам</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Сортировать по категориям</translation>
    </message>
    <message>
        <source>Edit list info</source>
        <translation>Редактировать информацию списка</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>В магазин</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Новый элемент</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Обновление элемента</translation>
    </message>
</context>
<context>
    <name>ScreenEditDelegate</name>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
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
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
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
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
            <numerusform>%n шт</numerusform>
        </translation>
    </message>
    <message>
        <source>Sort by product</source>
        <translation>Сортировать по продуктам</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Сортировать по категориям</translation>
    </message>
    <message>
        <source>Edit list</source>
        <translation>Редактировать список</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Обновление элемента</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
    </message>
</context>
<context>
    <name>ScreenShopDelegate</name>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
    </message>
</context>
</TS>
