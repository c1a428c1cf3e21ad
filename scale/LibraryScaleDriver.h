#pragma once

#include "scale/ScaleDriver.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace mv {

// The scale driver library (libPBusDrv.so, PBusDrv.dll on Windows), loaded at run time.
// Until a library has been loaded every call fails with NotLoaded, so a program without
// its driver sees every scale as unreachable instead of crashing.
class LibraryScaleDriver : public ScaleDriver {
public:
    // Result of every call while no driver library is loaded.
    static constexpr int NotLoaded = -100;

    LibraryScaleDriver() = default;
    ~LibraryScaleDriver() override;
    LibraryScaleDriver(const LibraryScaleDriver&) = delete;
    LibraryScaleDriver& operator=(const LibraryScaleDriver&) = delete;

    // Tries the driver library in each folder in turn and keeps the first that loads and
    // provides all six functions. False when none does; errorText() then says why.
    bool load(const QStringList& folders);
    bool isLoaded() const { return m_connect != nullptr; }
    QString errorText() const { return m_error; }
    QString loadedPath() const { return m_library.fileName(); }

    // The file name of the driver library on this platform.
    static QString libraryFileName();

    int connect(const QByteArray& lfzkPath, const QByteArray& systemCfgPath, const QByteArray& ip) override;
    int disconnect(const QByteArray& ip) override;
    // Refused without a call (PBUS_E_BAD_ARGUMENT) when the buffer is shorter than a
    // cluster or a text offset points outside it: the driver cannot know the buffer's end.
    int transferPluCluster(const QByteArray& cluster) override;
    int transferHotkey(const HotkeyBlock& block, int table) override;
    int transferMessage(int number, const QByteArray& text) override;
    int clearPluData(const QByteArray& ip) override;

private:
    using ConnectFn = std::int32_t (*)(const char*, const char*, const char*);
    using IpFn = std::int32_t (*)(const char*);
    using ClusterFn = std::int32_t (*)(const void*);
    using HotkeyFn = std::int32_t (*)(const std::int32_t*, std::int32_t);
    using MessageFn = std::int32_t (*)(std::int32_t, const char*, std::int32_t);

    void forget();

    QLibrary m_library;
    QString m_error = QStringLiteral("Sürücü kütüphanesi yüklenmedi.");
    ConnectFn m_connect = nullptr;
    IpFn m_disconnect = nullptr;
    ClusterFn m_cluster = nullptr;
    HotkeyFn m_hotkey = nullptr;
    MessageFn m_message = nullptr;
    IpFn m_clear = nullptr;
};

} // namespace mv
