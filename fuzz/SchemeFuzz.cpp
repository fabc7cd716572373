// The scheme loader on any bytes: it never crashes, a failure names its cause and holds
// no inputs, and whatever loads saves and reloads to exactly the same conditions.

#include "FuzzSupport.h"

#include "scheme/SchemeFile.h"

#include <QByteArray>

using namespace shrink4;
using namespace shrink4::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SchemeResult loaded = parseScheme(bytes);
    if (!loaded.inputs) {
        check(!loaded.error.isEmpty(), "a rejected scheme says why");
        return 0;
    }
    const QByteArray saved = serializeScheme(*loaded.inputs);
    const SchemeResult reloaded = parseScheme(saved);
    check(reloaded.inputs.has_value(), "a saved scheme loads again", reloaded.error.toStdString());
    check(*reloaded.inputs == *loaded.inputs, "save and reload keep every control", saved.toStdString());
    check(serializeScheme(*reloaded.inputs) == saved, "saving is deterministic");
    return 0;
}
