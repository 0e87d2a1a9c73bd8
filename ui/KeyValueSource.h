#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

// A read-only store of named values under keys, addressed the way the Windows registry is:
// a root handle, a key path below it and a value name. The about box looks up where the
// system-information viewer lives through it; tests hand it an in-memory store instead.
class KeyValueSource
{
public:
    // The root handle values as the registry defines them.
    static constexpr quint32 LocalMachine = 0x80000002u;
    // Value types as the registry numbers them.
    static constexpr quint32 TextType = 1;     // a NUL-ended text
    static constexpr quint32 Number32Type = 4; // a little-endian 32-bit number

    struct RawValue
    {
        quint32 type = 0;
        // The value exactly as stored, whatever its length.
        QByteArray bytes;
    };

    virtual ~KeyValueSource() = default;
    // The value, or nothing when the key cannot be opened or holds no such value.
    virtual std::optional<RawValue> query(quint32 root, const QString &keyPath,
                                          const QString &valueName) const = 0;

    // The registry on Windows; elsewhere a source that holds no keys at all.
    static std::shared_ptr<const KeyValueSource> system();
};
