#include "ptCurrencyUnitsDataModel.h"

namespace {

// The currency of a list is stored as its row here: append only, never
// reorder. Signs are Unicode; non-ASCII characters are written as escapes.
// clang-format off
const ptTableModel::Entry currencyTable[] = {
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Afghanistan Afghani"), "AFN", u"AFN" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Albania Lek"), "ALL", u"Lek" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Algeria Dinar"), "DZD", u"DA" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Angola Kwanza"), "AOA", u"Kz" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Argentina Peso"), "ARS", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Armenia Dram"), "AMD", u"AMD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Aruba Guilder"), "AWG", u"\u0192" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Australia Dollar"), "AUD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Azerbaijan New Manat"), "AZN", u"\u043C\u0430\u043D" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bahamas Dollar"), "BSD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bahrain Dinar"), "BHD", u"BD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bangladesh Taka"), "BDT", u"Tk" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Barbados Dollar"), "BBD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Belarus Ruble"), "BYR", u"p." },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Belize Dollar"), "BZD", u"BZ$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bermuda Dollar"), "BMD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bolivia Boliviano"), "BOB", u"$b" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bosnia and Herzegovina Convertible Mark"), "BAM", u"KM" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Botswana Pula"), "BWP", u"P" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Brazil Real"), "BRL", u"T$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Brunei Darussalam Dollar"), "BND", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Bulgaria Lev"), "BGN", u"\u043B\u0432" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Burundi Franc"), "BIF", u"FBu" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Canada Dollar"), "CAD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Cape Verde Escudo"), "CVE", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Cayman Islands Dollar"), "KYD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Chile Peso"), "CLP", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "China Yuan Renminbi"), "CNY", u"\u00A5" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Colombia Peso"), "COP", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Comoros Franc"), "KMF", u"CF" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Congo/Kinshasa Franc"), "CDF", u"FC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Costa Rica Colon"), "CRC", u"\u20A1" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Croatia Kuna"), "HRK", u"kn" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Cuba Convertible Peso"), "CUC", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Cuba Peso"), "CUP", u"\u20B1" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Czech Republic Koruna"), "CZK", u"K\u010D" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Denmark Krone"), "DKK", u"kr" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Djibouti Franc"), "DJF", u"Fdj" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Dominican Republic Peso"), "DOP", u"RD$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "East Caribbean Dollar"), "XCD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Egypt Pound"), "EGP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "El Salvador Colon"), "SVC", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Eritrea Nakfa"), "ERN", u"Nfk" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Ethiopia Birr"), "ETB", u"Br" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Euro"), "EUR", u"\u20AC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Falkland Islands (Malvinas) Pound"), "FKP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Fiji Dollar"), "FJD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Gambia Dalasi"), "GMD", u"D" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Georgia Lari"), "GEL", u"GEL" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Ghana Cedis"), "GHS", u"\u00A2" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Gibraltar Pound"), "GIP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Guatemala Quetzal"), "GTQ", u"Q" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Guernsey Pound"), "GGP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Guinea Franc"), "GNF", u"FG" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Guyana Dollar"), "GYD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Haiti Gourde"), "HTG", u"G" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Honduras Lempira"), "HNL", u"L" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Hong Kong Dollar"), "HKD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Hungary Forint"), "HUF", u"Ft" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Iceland Krona"), "ISK", u"kr" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "India Rupee"), "INR", u"Rs" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Indonesia Rupiah"), "IDR", u"Rp" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Iran Rial"), "IRR", u"\uFDFC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Iraq Dinar"), "IQD", u"IQD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Isle of Man Pound"), "IMP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Israel Shekel"), "ILS", u"\u20AA" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Jamaica Dollar"), "JMD", u"J$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Japan Yen"), "JPY", u"\u00A5" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Jersey Pound"), "JEP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Jordan Dinar"), "JOD", u"JOD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Kazakhstan Tenge"), "KZT", u"ten" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Kenya Shilling"), "KES", u"Ksh" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Korea (North) Won"), "KPW", u"\u20A9" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Korea (South) Won"), "KRW", u"\u20A9" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Kuwait Dinar"), "KWD", u"K.D." },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Kyrgyzstan Som"), "KGS", u"\u0441\u043E\u043C" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Laos Kip"), "LAK", u"\u20AD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Latvia Lat"), "LVL", u"Ls" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Lebanon Pound"), "LBP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Liberia Dollar"), "LRD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Libya Dinar"), "LYD", u"LD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Lithuania Litas"), "LTL", u"Lt" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Macau Pataca"), "MOP", u"MOP$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Macedonia Denar"), "MKD", u"\u0434\u0435\u043D" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Madagascar Ariary"), "MGA", u"Ar" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Malawi Kwacha"), "MWK", u"MK" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Malaysia Ringgit"), "MYR", u"RM" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Maldives (Maldive Islands) Rufiyaa"), "MVR", u"Rf" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Mauritania Ouguiya"), "MRO", u"UM" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Mauritius Rupee"), "MUR", u"\u20A8" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Mexico Peso"), "MXN", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Moldova Leu"), "MDL", u"MDL" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Mongolia Tughrik"), "MNT", u"\u20AE" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Morocco Dirham"), "MAD", u"MAD" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Mozambique Metical"), "MZN", u"MT" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Myanmar (Burma) Kyat"), "MMK", u"K" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Namibia Dollar"), "NAD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Nepal Rupee"), "NPR", u"\u20A8" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Netherlands Antilles Guilder"), "ANG", u"\u0192" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "New Zealand Dollar"), "NZD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Nicaragua Cordoba"), "NIO", u"C$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Nigeria Naira"), "NGN", u"\u20A6" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Norway Krone"), "NOK", u"kr" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Oman Rial"), "OMR", u"\uFDFC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Pakistan Rupee"), "PKR", u"\u20A8" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Panama Balboa"), "PAB", u"B/." },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Papua New Guinea Kina"), "PGK", u"K" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Paraguay Guarani"), "PYG", u"Gs" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Peru Nuevo Sol"), "PEN", u"S/." },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Philippines Peso"), "PHP", u"\u20B1" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Poland Zloty"), "PLN", u"z\u0142" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Qatar Riyal"), "QAR", u"\uFDFC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Romania New Leu"), "RON", u"lei" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Russia Ruble"), "RUB", u"\u0440\u0443\u0431" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Rwanda Franc"), "RWF", u"FRw" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Saint Helena Pound"), "SHP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Samoa Tala"), "WST", u"WS$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Saudi Arabia Riyal"), "SAR", u"\uFDFC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Serbia Dinar"), "RSD", u"\u0414\u0438\u043D." },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Seychelles Rupee"), "SCR", u"\u20A8" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Singapore Dollar"), "SGD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Solomon Islands Dollar"), "SBD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Somalia Shilling"), "SOS", u"S" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "South Africa Rand"), "ZAR", u"R" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Sri Lanka Rupee"), "LKR", u"\u20A8" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Sudan Pound"), "SDG", u"SDG" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Suriname Dollar"), "SRD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Swaziland Lilangeni"), "SZL", u"E" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Sweden Krona"), "SEK", u"kr" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Switzerland Franc"), "CHF", u"CHF" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Syria Pound"), "SYP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Taiwan New Dollar"), "TWD", u"NT$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Tajikistan Somoni"), "TJS", u"TJS" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Thailand Baht"), "THB", u"\u0E3F" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Trinidad and Tobago Dollar"), "TTD", u"TT$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Tunisia Dinar"), "TND", u"DT" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Turkey Lira"), "TRY", u"TL" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Turkmenistan Manat"), "TMT", u"m" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Tuvalu Dollar"), "TVD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Uganda Shilling"), "UGX", u"USh" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Ukraine Hryvna"), "UAH", u"\u20B4" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "United Arab Emirates Dirham"), "AED", u"AED" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "United Kingdom Pound"), "GBP", u"\u00A3" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "United States Dollar"), "USD", u"$" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Uruguay Peso"), "UYU", u"$U" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Uzbekistan Som"), "UZS", u"\u0441\u045E\u043C" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Vanuatu Vatu"), "VUV", u"VT" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Venezuela Bolivar Fuerte"), "VEF", u"Bs" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Viet Nam Dong"), "VND", u"\u20AB" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Yemen Rial"), "YER", u"\uFDFC" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Zambia Kwacha"), "ZMK", u"ZK" },
    { QT_TRANSLATE_NOOP("ptCurrencyUnitsDataModel", "Zimbabwe Dollar"), "ZWD", u"J$" },
};
// clang-format on

} // namespace

ptCurrencyUnitsDataModel::ptCurrencyUnitsDataModel(QObject *parent)
    : ptTableModel("ptCurrencyUnitsDataModel", {std::begin(currencyTable), std::end(currencyTable)},
                   {"currency_name", "currency_code", "currency_sign"}, parent)
{ }

QString ptCurrencyUnitsDataModel::currentCurrency()
{
    return currencyForRow(m_currentIndex);
}

void ptCurrencyUnitsDataModel::setCurrentCurrency(int pIndex)
{
    if (pIndex < 0 || pIndex >= rowCount())
        return;
    m_currentIndex = pIndex;
    emit currentCurrencyChanged();
}

QString ptCurrencyUnitsDataModel::currencyForSymbol(QString pSymbol)
{
    for (int row = 0; row < rowCount(); ++row) {
        if (text(row, CodeColumn) == pSymbol)
            return currencyForRow(row);
    }
    return QString();
}

// The sign, " - " and the name, as the new-list sheet shows a currency.
QString ptCurrencyUnitsDataModel::currencyForRow(int pRow) const
{
    if (pRow < 0 || pRow >= rowCount())
        return QString();
    return text(pRow, SignColumn) + QStringLiteral(" - ") + text(pRow, NameColumn);
}
