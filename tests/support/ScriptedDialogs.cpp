#include "tests/support/ScriptedDialogs.h"

namespace mv::test {

bool ScriptedDialogs::ask(QWidget*, const QString& text, const QString& caption)
{
    m_shown << Shown{QStringLiteral("ask"), caption, text};
    if (whileOpen)
        whileOpen();
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void ScriptedDialogs::notice(QWidget*, const QString& text, Icon)
{
    m_shown << Shown{QStringLiteral("notice"), QStringLiteral("UYARI !"), text};
    if (whileOpen)
        whileOpen();
}

void ScriptedDialogs::warning(QWidget*, const QString& text)
{
    m_shown << Shown{QStringLiteral("warning"), QStringLiteral("UYARI"), text};
    if (whileOpen)
        whileOpen();
}

void ScriptedDialogs::error(QWidget*, const QString& text, bool)
{
    m_shown << Shown{QStringLiteral("error"), QString(), text};
    if (whileOpen)
        whileOpen();
}

QStringList ScriptedDialogs::texts(const QString& kind) const
{
    QStringList out;
    for (const Shown& s : m_shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}

} // namespace mv::test
