#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

namespace mv {

// What the program needs of the scale driver: the six calls, one scale at a time.
// Negative results mean failure. Loaders take the driver through this interface, so
// tests can record exactly what is sent.
class ScaleDriver {
public:
    virtual ~ScaleDriver() = default;

    using HotkeyBlock = std::array<std::int32_t, 84>;

    virtual int connect(const QByteArray& lfzkPath, const QByteArray& systemCfgPath, const QByteArray& ip) = 0;
    virtual int disconnect(const QByteArray& ip) = 0;
    // `cluster`: the 272-byte cluster followed by its text area.
    virtual int transferPluCluster(const QByteArray& cluster) = 0;
    virtual int transferHotkey(const HotkeyBlock& block, int table) = 0;
    virtual int transferMessage(int number, const QByteArray& text) = 0;
    virtual int clearPluData(const QByteArray& ip) = 0;

    // The two file paths every connect passes, as written.
    static QByteArray lfzkPath() { return QByteArrayLiteral(".\\lfzk.dat"); }
    static QByteArray systemCfgPath() { return QByteArrayLiteral(".\\system.cfg"); }
};

} // namespace mv
