#pragma once

#include <QByteArray>
#include <QString>

// Sets a file's modification time to now, by name: a file replaced under
// that name (a journal rewritten through a rename) is the one marked. One
// system call, no allocation, so a thread that counts time may make it.
// False, with errno's reason in Error, when the file cannot be marked.
bool TouchFile(const QByteArray& NativePath, QString* Error = nullptr);
