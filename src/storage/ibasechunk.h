#pragma once
// IBaseChunk: the base of every list row (recordings, playlist entries, trim segments, effect
// presets). It carries a fixed set of general fields, used as each list sees fit, on top of the
// QDataStorage property bag, plus optional per-item mutex and per-view drawing state.
//
// Ownership: items are owned by the model (or QLibraryChunk) that holds them. Copying copies the
// fields, the property bag and the view states; a copy gets its own mutex when the original
// had one. The item takes no lock itself: the mutex is offered to callers that share the item
// between threads.

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "chunkviewstate.h"
#include "qdatastorage.h"

class IBaseChunk : public QDataStorage {
public:
    // Property keys shared by the lists.
    static constexpr const char* kCheckKey = "Item_check_key";            // int: 0 or 2
    static constexpr const char* kDateKey = "CHUNK_DATE_KEY";             // string
    static constexpr const char* kFixedItemKey = "KEY_BOOL_FIXEDITEM";    // bool
    static constexpr const char* kFixedIndexKey = "LIB_KEY_FIXED_INDEX";  // int

    explicit IBaseChunk(bool withMutex = false);
    IBaseChunk(const IBaseChunk& other);
    IBaseChunk& operator=(const IBaseChunk& other);
    ~IBaseChunk() override;

    virtual void setCheckState(int32_t state);
    virtual int32_t checkState() const;
    virtual void setFlagA(bool value);
    virtual bool flagA() const;
    virtual void setName(std::string value);
    virtual std::string name() const;
    virtual void setValueA(int32_t value);
    virtual int32_t valueA() const;
    virtual void setValueB(int32_t value);
    virtual int32_t valueB() const;
    virtual void setDate(std::string value);
    virtual std::string date() const;
    virtual void setTextA(std::string value);
    virtual std::string textA() const;
    virtual void setTextB(std::string value);
    virtual std::string textB() const;
    virtual void setFlagB(bool value);
    virtual bool flagB() const;
    virtual void setTextC(std::string value);
    virtual std::string textC() const;
    virtual void setTextD(std::string value);
    virtual std::string textD() const;
    virtual void setImagePath(std::string value);
    virtual std::string imagePath() const;
    virtual void setTextE(std::string value);
    virtual std::string textE() const;
    virtual void setNumber(int32_t value);
    virtual int32_t number() const;
    virtual void setCounter(int32_t value);
    virtual int32_t counter() const;
    virtual void setMarked(bool value);
    virtual bool marked() const;
    virtual void setAmount(double value);
    virtual double amount() const;
    virtual void setFlagC(bool value);
    virtual bool flagC() const;
    virtual void setTextF(std::string value);
    virtual std::string textF() const;
    virtual void setTextG(std::string value);
    virtual std::string textG() const;
    // Zeroes valueA, valueB, valueC and empties name.
    virtual void resetValues();
    virtual bool isValid() const;

    int32_t valueC() const { return m_valueC; }
    void setValueC(int32_t value) { m_valueC = value; }
    int32_t indexValue() const { return m_indexValue; }
    void setIndexValue(int32_t value) { m_indexValue = value; }

    // The item's mutex, or null when it was built without one.
    std::mutex* mutex() const { return m_mutex.get(); }

    // Drawing state of this item in `view`, created with its initial values on first use.
    ChunkViewState& viewState(const void* view);
    // Null when the view has no entry.
    const ChunkViewState* findViewState(const void* view) const;
    void removeViewState(const void* view);
    int viewStateCount() const;

private:
    std::string m_name;
    std::string m_imagePath;
    std::string m_textA, m_textB, m_textC, m_textD, m_textE, m_textF, m_textG;
    int32_t m_valueA = 0;
    int32_t m_valueB = 0;
    int32_t m_valueC = 0;
    int32_t m_number = 0;
    int32_t m_indexValue = -1;
    int32_t m_counter = 0;
    bool m_flagA = true;
    bool m_flagB = true;
    bool m_flagC = true;
    bool m_marked = false;
    double m_amount = 0.0;
    std::unique_ptr<std::mutex> m_mutex;
    std::unique_ptr<std::map<const void*, ChunkViewState>> m_viewStates;
};
