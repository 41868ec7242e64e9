#pragma once
// QDataStorage: an ordered property bag of byte-string keys and values attached to every list
// item. Typed values are stored as their raw little-endian bytes (int32: 4 bytes, int64 and
// double: 8, bool: 1); a typed getter reads that many bytes from the start of the stored value
// (missing bytes read as zero) and a missing key reads as the zero of its type.
//
// Not persisted, not thread-safe: the owner of the item serialises access.

#include <cstdint>
#include <map>
#include <string>

class QDataStorage {
public:
    QDataStorage() = default;
    QDataStorage(const QDataStorage&) = default;
    QDataStorage& operator=(const QDataStorage&) = default;
    virtual ~QDataStorage() = default;

    virtual void setString(std::string key, std::string value);
    virtual void setInt(std::string key, int32_t value);
    virtual void setInt64(std::string key, int64_t value);
    virtual void setBool(std::string key, bool value);
    virtual void setDouble(std::string key, double value);
    virtual std::string getString(std::string key) const;
    virtual int32_t getInt(std::string key) const;
    virtual int64_t getInt64(std::string key) const;
    virtual bool getBool(std::string key) const;
    virtual double getDouble(std::string key) const;

    bool hasProperty(const std::string& key) const { return m_properties.count(key) != 0; }
    void removeProperty(const std::string& key) { m_properties.erase(key); }
    const std::map<std::string, std::string>& properties() const { return m_properties; }

private:
    std::map<std::string, std::string> m_properties;
};
