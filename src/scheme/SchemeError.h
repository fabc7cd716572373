#pragma once
// Why a scheme is refused, in parts: the command line words it in English and the window
// in Chinese, each from the same finding.

#include <QByteArray>
#include <QJsonParseError>
#include <QString>

#include <utility>

namespace shrink4 {

enum class SchemeErrorKind {
    None,
    Unreadable,        // the file could not be read; detail: the reader's Chinese sentence
    Empty,             // nothing but blanks
    Utf16,             // UTF-16, or zero bytes
    NotUtf8,           // at: the first byte that breaks UTF-8
    NotJson,           // at, syntax; detail: Qt's English wording of it
    NotObject,         // the top level is no object
    RepeatedKey,       // key; at: where it is named again
    UnknownKey,        // key, at
    BadVersion,        // at, when the version is named at all
    ControlsNotObject, // at, when the controls are named at all
    NotString,         // key, index
    NotArray,          // key; length, elements: what the control takes
    NotCheckValue,     // key, index
    CheckOutOfRange,   // key, index; detail: the value
    NotBool,           // key, index
};

// What each element of an array control holds.
enum class ElementKind { String, Check, Toggle };

// Where in the file: the byte for English, the line and its character (both from 1) for
// people.
struct FilePosition {
    qsizetype offset = -1;
    int line = 0;
    int column = 0;
    bool known() const { return offset >= 0; }
};

struct SchemeError {
    SchemeErrorKind kind = SchemeErrorKind::None;
    QString key;    // as the file names it: "shrink4-scheme", "controls.T_zong_rc"
    int index = -1; // the element of an array control, or -1
    FilePosition at;
    int length = 0;
    ElementKind elements = ElementKind::String;
    QJsonParseError::ParseError syntax = QJsonParseError::NoError;
    QString detail;

    bool isEmpty() const { return kind == SchemeErrorKind::None; }
};

inline SchemeError schemeError(SchemeErrorKind kind, QString key = {}, int index = -1)
{
    SchemeError e;
    e.kind = kind;
    e.key = std::move(key);
    e.index = index;
    return e;
}

// One English line, as the command line prints it (without the file name).
QString englishText(const SchemeError& error);

// The position of byte `offset` of `bytes`, which begin after `skipped` bytes of the file
// (a byte-order mark).
FilePosition positionIn(const QByteArray& bytes, qsizetype offset, qsizetype skipped);

} // namespace shrink4
