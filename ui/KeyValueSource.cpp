#include "KeyValueSource.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <vector>
#endif

namespace {

// Platforms without a registry: every lookup fails, so the caller falls back to its own
// search for a viewer.
class EmptySource : public KeyValueSource
{
public:
    std::optional<RawValue> query(quint32, const QString &, const QString &) const override
    {
        return std::nullopt;
    }
};

#ifdef Q_OS_WIN
class RegistrySource : public KeyValueSource
{
public:
    std::optional<RawValue> query(quint32 root, const QString &keyPath,
                                  const QString &valueName) const override
    {
        // Predefined roots are sign-extended 32-bit handle values.
        const HKEY rootKey =
            reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY key = nullptr;
        // Read access only: asking for write rights under HKEY_LOCAL_MACHINE fails for
        // anybody who is not an administrator, and a lookup never needs them.
        if (RegOpenKeyExW(rootKey, reinterpret_cast<LPCWSTR>(keyPath.utf16()), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return std::nullopt;
        const QByteArray name = valueName.toLocal8Bit();
        DWORD type = 0;
        DWORD size = 0;
        std::optional<RawValue> result;
        if (RegQueryValueExA(key, name.constData(), nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS) {
            std::vector<BYTE> data(size ? size : 1);
            if (RegQueryValueExA(key, name.constData(), nullptr, &type, data.data(), &size) ==
                ERROR_SUCCESS)
                result = RawValue{type, QByteArray(reinterpret_cast<const char *>(data.data()),
                                                   static_cast<qsizetype>(size))};
        }
        RegCloseKey(key);
        return result;
    }
};
#endif

} // namespace

std::shared_ptr<const KeyValueSource> KeyValueSource::system()
{
#ifdef Q_OS_WIN
    return std::make_shared<RegistrySource>();
#else
    return std::make_shared<EmptySource>();
#endif
}
