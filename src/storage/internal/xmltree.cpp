#include "xmltree.h"

#include <QXmlStreamReader>

namespace XmlStore {

namespace {

// Element and attribute names repeat tens of thousands of times; keeping one shared copy of
// each saves an allocation per name.
class NamePool {
public:
    QString intern(const QStringRef& name)
    {
        for (const QString& known : m_names) {
            if (name == known)
                return known;
        }
        m_names.push_back(name.toString());
        return m_names.back();
    }

private:
    std::vector<QString> m_names;
};

void appendElement(QString& out, const XmlElement& element, int depth)
{
    const QString indent(depth * 4, QLatin1Char(' '));
    out += indent;
    out += QLatin1Char('<');
    out += element.tag;
    appendXmlAttributes(out, element.tag, element.attributes);
    if (!element.children.empty()) {
        out += QLatin1String(">\n");
        for (const XmlElement& child : element.children)
            appendElement(out, child, depth + 1);
        out += indent;
        out += QLatin1String("</");
        out += element.tag;
        out += QLatin1String(">\n");
    } else if (!element.text.isEmpty()) {
        out += QLatin1Char('>');
        appendXmlEscaped(out, element.text, false);
        out += QLatin1String("</");
        out += element.tag;
        out += QLatin1String(">\n");
    } else {
        out += QLatin1String("/>\n");
    }
}

}  // namespace

QString XmlElement::attribute(const QString& name) const
{
    for (const auto& attribute : attributes) {
        if (attribute.first == name)
            return attribute.second;
    }
    return QString();
}

void XmlElement::setAttribute(const QString& name, const QString& value)
{
    for (auto& attribute : attributes) {
        if (attribute.first == name) {
            attribute.second = value;
            return;
        }
    }
    attributes.append({name, value});
}

bool parseXmlTree(QIODevice* device, XmlElement& root, QString* error)
{
    root = XmlElement();
    QXmlStreamReader reader(device);
    reader.setNamespaceProcessing(false);
    NamePool names;
    // Open elements, innermost last. Only the innermost one gains children, so pointers to the
    // open ones stay valid while their parents' child vectors do not grow.
    std::vector<XmlElement*> open;
    bool haveRoot = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
            case QXmlStreamReader::StartElement: {
                XmlElement* element = nullptr;
                if (open.empty()) {
                    element = &root;
                    haveRoot = true;
                } else {
                    open.back()->children.emplace_back();
                    element = &open.back()->children.back();
                }
                element->tag = names.intern(reader.qualifiedName());
                const QXmlStreamAttributes attributes = reader.attributes();
                element->attributes.reserve(attributes.size());
                for (const QXmlStreamAttribute& a : attributes)
                    element->attributes.append(
                        {names.intern(a.qualifiedName()), a.value().toString()});
                open.push_back(element);
                break;
            }
            case QXmlStreamReader::EndElement:
                open.pop_back();
                break;
            case QXmlStreamReader::Characters:
                if (!open.empty() && !reader.isWhitespace())
                    open.back()->text += reader.text();
                break;
            default:
                break;
        }
    }
    if (reader.hasError()) {
        if (error) {
            *error = QStringLiteral("%1 at %2:%3")
                         .arg(reader.errorString())
                         .arg(reader.lineNumber())
                         .arg(reader.columnNumber());
        }
        return false;
    }
    if (!haveRoot && error)
        *error = QStringLiteral("no document element");
    return haveRoot;
}

QByteArray serializeXmlTree(const XmlElement& root)
{
    // Converted to UTF-8 one top-level element at a time, so the UTF-16 text of a large file
    // never exists in full next to its UTF-8 form.
    QByteArray bytes;
    QString chunk;
    if (root.children.empty()) {
        appendElement(chunk, root, 0);
        return chunk.toUtf8();
    }
    chunk += QLatin1Char('<');
    chunk += root.tag;
    appendXmlAttributes(chunk, root.tag, root.attributes);
    chunk += QLatin1String(">\n");
    for (const XmlElement& child : root.children) {
        appendElement(chunk, child, 1);
        if (chunk.size() > 16384) {
            bytes += chunk.toUtf8();
            chunk.clear();
        }
    }
    chunk += QLatin1String("</");
    chunk += root.tag;
    chunk += QLatin1String(">\n");
    bytes += chunk.toUtf8();
    return bytes;
}

}  // namespace XmlStore
