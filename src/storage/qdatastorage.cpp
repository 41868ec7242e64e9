#include "qdatastorage.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// Little-endian raw bytes of an integer of N bytes.
template <typename T>
std::string encodeLittleEndian(T value)
{
    std::string bytes(sizeof(T), '\0');
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<char>(bits & 0xff);
        bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
    }
    return bytes;
}

// Reads sizeof(T) bytes from the start of `bytes`; bytes that are not there read as zero.
template <typename T>
T decodeLittleEndian(const std::string& bytes)
{
    std::make_unsigned_t<T> bits = 0;
    const size_t n = std::min(bytes.size(), sizeof(T));
    for (size_t i = 0; i < n; ++i) {
        bits = static_cast<std::make_unsigned_t<T>>(
            bits | (static_cast<std::make_unsigned_t<T>>(static_cast<unsigned char>(bytes[i]))
                    << (8 * i)));
    }
    return static_cast<T>(bits);
}

}  // namespace

void QDataStorage::setString(std::string key, std::string value)
{
    m_properties[std::move(key)] = std::move(value);
}

void QDataStorage::setInt(std::string key, int32_t value)
{
    m_properties[std::move(key)] = encodeLittleEndian<int32_t>(value);
}

void QDataStorage::setInt64(std::string key, int64_t value)
{
    m_properties[std::move(key)] = encodeLittleEndian<int64_t>(value);
}

void QDataStorage::setBool(std::string key, bool value)
{
    m_properties[std::move(key)] = std::string(1, value ? '\1' : '\0');
}

void QDataStorage::setDouble(std::string key, double value)
{
    int64_t bits = 0;
    static_assert(sizeof(bits) == sizeof(value), "double must be 8 bytes");
    std::memcpy(&bits, &value, sizeof(bits));
    setInt64(std::move(key), bits);
}

std::string QDataStorage::getString(std::string key) const
{
    const auto it = m_properties.find(key);
    return it == m_properties.end() ? std::string() : it->second;
}

int32_t QDataStorage::getInt(std::string key) const
{
    const auto it = m_properties.find(key);
    return it == m_properties.end() ? 0 : decodeLittleEndian<int32_t>(it->second);
}

int64_t QDataStorage::getInt64(std::string key) const
{
    const auto it = m_properties.find(key);
    return it == m_properties.end() ? 0 : decodeLittleEndian<int64_t>(it->second);
}

bool QDataStorage::getBool(std::string key) const
{
    const auto it = m_properties.find(key);
    return it != m_properties.end() && !it->second.empty() && it->second[0] != '\0';
}

double QDataStorage::getDouble(std::string key) const
{
    const int64_t bits = getInt64(std::move(key));
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}
