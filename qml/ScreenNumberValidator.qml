import QtQuick

// A price or amount as typed: from 0 to 10,000,000 with at most `decimals`
// decimals after a "." or a "," (the decimal comma of many languages).
RegularExpressionValidator {
    property int decimals: 2

    regularExpression: new RegExp("^(\\d{0,7}([.,]\\d{0,%1})?|10000000([.,]0{0,%1})?)$"
                                  .arg(decimals))
}
