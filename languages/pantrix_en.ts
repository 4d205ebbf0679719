<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ScreenCategoriesDelegate</name>
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
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
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
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
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
        <source>Sort by product</source>
        <translation>Sort by product</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Sort by category</translation>
    </message>
    <message>
        <source>Edit list info</source>
        <translation>Edit list info</translation>
    </message>
    <message>
        <source>Go shopping</source>
        <translation>Go shopping</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>New item</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Update item</translation>
    </message>
</context>
<context>
    <name>ScreenEditDelegate</name>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
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
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
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
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Sort by product</source>
        <translation>Sort by product</translation>
    </message>
    <message>
        <source>Sort by category</source>
        <translation>Sort by category</translation>
    </message>
    <message>
        <source>Edit list</source>
        <translation>Edit list</translation>
    </message>
    <message>
        <source>Update item</source>
        <translation>Update item</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
    </message>
</context>
<context>
    <name>ScreenShopDelegate</name>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>Uncategorised</source>
        <translation>Uncategorised</translation>
    </message>
</context>
</TS>
