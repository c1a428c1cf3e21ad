#include "tests/driver/DriverFolder.h"

#include "tools/scale-sim/SystemCfg.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace mv::test {

DriverFolder::DriverFolder(quint16 port, int connectTimeoutMs, int replyTimeoutMs)
    : m_previous(QDir::currentPath())
{
    EXPECT_TRUE(m_dir.isValid());
    EXPECT_TRUE(sim::writeSystemCfg(m_dir.filePath(QStringLiteral("system.cfg")), port, connectTimeoutMs, replyTimeoutMs));
    EXPECT_TRUE(QDir::setCurrent(m_dir.path()));
}

DriverFolder::~DriverFolder()
{
    QDir::setCurrent(m_previous);
}

void DriverFolder::writeConfig(const QByteArray& text, const QString& name)
{
    const QString file = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace mv::test
