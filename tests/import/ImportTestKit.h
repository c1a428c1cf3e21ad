#pragma once

#include "settings/ExtTemplate.h"
#include "store/OperationFeedback.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral("\", \"")).toStdString() << ']';
}

namespace mv::test {

// Records what an import tells the user; answers every question with `answer`.
class RecordingFeedback : public OperationFeedback {
public:
    bool answer = true;
    QStringList questions;
    QStringList notices;
    QStringList statuses;
    int progressMaximum = -1;
    int progressValue = -1;
    int progressBegun = 0;
    int progressEnded = 0;

    void setStatus(const QString& text) override { statuses << text; }
    void notice(const QString& text) override { notices << text; }
    bool ask(const QString& text) override
    {
        questions << text;
        return answer;
    }
    void beginProgress(int maximum) override
    {
        progressMaximum = maximum;
        ++progressBegun;
    }
    void setProgress(int value) override { progressValue = value; }
    void endProgress() override { ++progressEnded; }
};

// The layout of fixed-cp1254.txt: PLU 1-6, barcode 7-11 (ONEK02 "2" in front), name
// 12-31, price 32-39 in kuruş; one header and one trailer line; types 27 (weighed) and
// 28 (counted).
ExtTemplate fixedTemplate(const QString& dataFile);

// The layout of semicolon-utf8.txt: PLU;name;barcode;price;shelf life, whole fields,
// ONEK02 "27", prices in lira, UTF-8; types 27 and 28.
ExtTemplate semicolonTemplate(const QString& dataFile);

// Adds a product-type row.
void addProductType(ExtTemplate& tpl, const QString& prefix, const QString& type, const QString& barcodeType,
                    const QString& labelNo);

} // namespace mv::test
