#pragma once

#include <QByteArray>
#include <QJsonObject>

// File names as the system holds them (bytes that need not be valid UTF-8), shown faithfully.
namespace FileNames {

// For a text line: the bytes unchanged, except that a backslash and the control bytes are written
// as C escapes (\\, \n, \t, \r, \xHH), so that no name can split a line or pass for another name.
QByteArray text(const QByteArray& name);
// For JSON: "file" holds the name as text, with U+FFFD for each byte that is not valid UTF-8; such a
// name also gets "fileBytes", its bytes in hexadecimal.
QJsonObject json(const QByteArray& name);

}  // namespace FileNames
