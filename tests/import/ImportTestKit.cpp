#include "tests/import/ImportTestKit.h"

namespace mv::test {

void addProductType(ExtTemplate& tpl, const QString& prefix, const QString& type, const QString& barcodeType,
                    const QString& labelNo)
{
    static const QStringList labels = {QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("B0"),
                                       QStringLiteral("B1"), QStringLiteral("C0"), QStringLiteral("C1"),
                                       QStringLiteral("D0"), QStringLiteral("D1"), QStringLiteral("E0"),
                                       QStringLiteral("E1")};
    tpl.utOnEk << prefix;
    tpl.utTipi << type;
    tpl.utBarNo << barcodeType;
    tpl.utEtNo << labelNo;
    tpl.utEtValue << labels.value(labelNo.toInt() - 1);
    tpl.urtipCount = int(tpl.utOnEk.size());
}

ExtTemplate fixedTemplate(const QString& dataFile)
{
    ExtTemplate t;
    t.seperator = QStringLiteral("0");
    t.icerik = QStringLiteral("0");
    t.dosya = dataFile;
    const int starts[] = {1, 7, 12, 32, 0};
    const int lengths[] = {6, 5, 20, 8, 0};
    for (int i = 0; i < 4; ++i) {
        t.vrm[std::size_t(i)] = QStringLiteral("H");
        t.bsl[std::size_t(i)] = QString::number(starts[i]);
        t.adt[std::size_t(i)] = QString::number(lengths[i]);
    }
    t.vrm[4] = QStringLiteral("H");
    t.onek02 = QStringLiteral("2");
    t.kurus = QStringLiteral("2");
    t.sktvrm = QStringLiteral("H");
    t.stdskt = QStringLiteral("5");
    t.raf = QStringLiteral("0");
    t.dara = QStringLiteral("0");
    t.mesajno = QStringLiteral("0");
    t.bastan = QStringLiteral("1");
    t.sondan = QStringLiteral("1");
    addProductType(t, QStringLiteral("27"), QStringLiteral("Tartılı"), QStringLiteral("7"), QStringLiteral("1"));
    addProductType(t, QStringLiteral("28"), QStringLiteral("Adetli"), QStringLiteral("9"), QStringLiteral("2"));
    return t;
}

ExtTemplate semicolonTemplate(const QString& dataFile)
{
    ExtTemplate t;
    t.seperator = QStringLiteral("1");
    t.icerik = QStringLiteral("1");
    t.dosya = dataFile;
    const int fields[] = {1, 3, 2, 4, 5};
    for (int i = 0; i < 5; ++i) {
        t.aln[std::size_t(i)] = QString::number(fields[i]);
        t.vrm[std::size_t(i)] = QStringLiteral("E");
    }
    t.onek02 = QStringLiteral("27");
    t.kurus = QStringLiteral("0");
    t.sktvrm = QStringLiteral("E");
    t.stdskt = QStringLiteral("0");
    t.raf = QStringLiteral("0");
    t.dara = QStringLiteral("0");
    t.mesajno = QStringLiteral("0");
    t.bastan = QStringLiteral("0");
    t.sondan = QStringLiteral("0");
    addProductType(t, QStringLiteral("27"), QStringLiteral("Tartılı"), QStringLiteral("7"), QStringLiteral("3"));
    addProductType(t, QStringLiteral("28"), QStringLiteral("Adetli"), QStringLiteral("9"), QStringLiteral("4"));
    return t;
}

} // namespace mv::test
