#pragma once
// One reason a scheme is refused, in English for the command line and in Chinese for the
// window.

#include <QString>

namespace shrink4 {

struct SchemeFault {
    QString error;
    QString message;
    bool isEmpty() const { return error.isEmpty(); }
};

} // namespace shrink4
