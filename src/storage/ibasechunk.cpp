#include "ibasechunk.h"

IBaseChunk::IBaseChunk(bool withMutex)
{
    if (withMutex)
        m_mutex = std::make_unique<std::mutex>();
    setCheckState(0);
}

IBaseChunk::IBaseChunk(const IBaseChunk& other)
    : QDataStorage(other),
      m_name(other.m_name),
      m_imagePath(other.m_imagePath),
      m_textA(other.m_textA),
      m_textB(other.m_textB),
      m_textC(other.m_textC),
      m_textD(other.m_textD),
      m_textE(other.m_textE),
      m_textF(other.m_textF),
      m_textG(other.m_textG),
      m_valueA(other.m_valueA),
      m_valueB(other.m_valueB),
      m_valueC(other.m_valueC),
      m_number(other.m_number),
      m_indexValue(other.m_indexValue),
      m_counter(other.m_counter),
      m_flagA(other.m_flagA),
      m_flagB(other.m_flagB),
      m_flagC(other.m_flagC),
      m_marked(other.m_marked),
      m_amount(other.m_amount)
{
    if (other.m_mutex)
        m_mutex = std::make_unique<std::mutex>();
    if (other.m_viewStates)
        m_viewStates = std::make_unique<std::map<const void*, ChunkViewState>>(*other.m_viewStates);
}

IBaseChunk& IBaseChunk::operator=(const IBaseChunk& other)
{
    if (this == &other)
        return *this;
    IBaseChunk copy(other);
    QDataStorage::operator=(copy);
    m_name = std::move(copy.m_name);
    m_imagePath = std::move(copy.m_imagePath);
    m_textA = std::move(copy.m_textA);
    m_textB = std::move(copy.m_textB);
    m_textC = std::move(copy.m_textC);
    m_textD = std::move(copy.m_textD);
    m_textE = std::move(copy.m_textE);
    m_textF = std::move(copy.m_textF);
    m_textG = std::move(copy.m_textG);
    m_valueA = copy.m_valueA;
    m_valueB = copy.m_valueB;
    m_valueC = copy.m_valueC;
    m_number = copy.m_number;
    m_indexValue = copy.m_indexValue;
    m_counter = copy.m_counter;
    m_flagA = copy.m_flagA;
    m_flagB = copy.m_flagB;
    m_flagC = copy.m_flagC;
    m_marked = copy.m_marked;
    m_amount = copy.m_amount;
    // Keep our own mutex when we have one: someone may be holding it.
    if (!m_mutex && copy.m_mutex)
        m_mutex = std::move(copy.m_mutex);
    m_viewStates = std::move(copy.m_viewStates);
    return *this;
}

IBaseChunk::~IBaseChunk() = default;

void IBaseChunk::setCheckState(int32_t state)
{
    setInt(kCheckKey, state);
}
int32_t IBaseChunk::checkState() const
{
    return getInt(kCheckKey);
}
void IBaseChunk::setFlagA(bool value)
{
    m_flagA = value;
}
bool IBaseChunk::flagA() const
{
    return m_flagA;
}
void IBaseChunk::setName(std::string value)
{
    m_name = std::move(value);
}
std::string IBaseChunk::name() const
{
    return m_name;
}
void IBaseChunk::setValueA(int32_t value)
{
    m_valueA = value;
}
int32_t IBaseChunk::valueA() const
{
    return m_valueA;
}
void IBaseChunk::setValueB(int32_t value)
{
    m_valueB = value;
}
int32_t IBaseChunk::valueB() const
{
    return m_valueB;
}
void IBaseChunk::setDate(std::string value)
{
    setString(kDateKey, std::move(value));
}
std::string IBaseChunk::date() const
{
    return getString(kDateKey);
}
void IBaseChunk::setTextA(std::string value)
{
    m_textA = std::move(value);
}
std::string IBaseChunk::textA() const
{
    return m_textA;
}
void IBaseChunk::setTextB(std::string value)
{
    m_textB = std::move(value);
}
std::string IBaseChunk::textB() const
{
    return m_textB;
}
void IBaseChunk::setFlagB(bool value)
{
    m_flagB = value;
}
bool IBaseChunk::flagB() const
{
    return m_flagB;
}
void IBaseChunk::setTextC(std::string value)
{
    m_textC = std::move(value);
}
std::string IBaseChunk::textC() const
{
    return m_textC;
}
void IBaseChunk::setTextD(std::string value)
{
    m_textD = std::move(value);
}
std::string IBaseChunk::textD() const
{
    return m_textD;
}
void IBaseChunk::setImagePath(std::string value)
{
    m_imagePath = std::move(value);
}
std::string IBaseChunk::imagePath() const
{
    return m_imagePath;
}
void IBaseChunk::setTextE(std::string value)
{
    m_textE = std::move(value);
}
std::string IBaseChunk::textE() const
{
    return m_textE;
}
void IBaseChunk::setNumber(int32_t value)
{
    m_number = value;
}
int32_t IBaseChunk::number() const
{
    return m_number;
}
void IBaseChunk::setCounter(int32_t value)
{
    m_counter = value;
}
int32_t IBaseChunk::counter() const
{
    return m_counter;
}
void IBaseChunk::setMarked(bool value)
{
    m_marked = value;
}
bool IBaseChunk::marked() const
{
    return m_marked;
}
void IBaseChunk::setAmount(double value)
{
    m_amount = value;
}
double IBaseChunk::amount() const
{
    return m_amount;
}
void IBaseChunk::setFlagC(bool value)
{
    m_flagC = value;
}
bool IBaseChunk::flagC() const
{
    return m_flagC;
}
void IBaseChunk::setTextF(std::string value)
{
    m_textF = std::move(value);
}
std::string IBaseChunk::textF() const
{
    return m_textF;
}
void IBaseChunk::setTextG(std::string value)
{
    m_textG = std::move(value);
}
std::string IBaseChunk::textG() const
{
    return m_textG;
}

void IBaseChunk::resetValues()
{
    m_valueA = 0;
    m_valueB = 0;
    m_valueC = 0;
    m_name.clear();
}

bool IBaseChunk::isValid() const
{
    return true;
}

ChunkViewState& IBaseChunk::viewState(const void* view)
{
    if (!m_viewStates)
        m_viewStates = std::make_unique<std::map<const void*, ChunkViewState>>();
    return (*m_viewStates)[view];
}

const ChunkViewState* IBaseChunk::findViewState(const void* view) const
{
    if (!m_viewStates)
        return nullptr;
    const auto it = m_viewStates->find(view);
    return it == m_viewStates->end() ? nullptr : &it->second;
}

void IBaseChunk::removeViewState(const void* view)
{
    if (m_viewStates)
        m_viewStates->erase(view);
}

int IBaseChunk::viewStateCount() const
{
    return m_viewStates ? static_cast<int>(m_viewStates->size()) : 0;
}
