#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// The fuzzer's input as bytes, read in place: without the terminating zero a copy would add, a read
// past its end is caught.
inline QByteArray fuzzInputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}
