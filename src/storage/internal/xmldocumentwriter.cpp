#include "xmldocumentwriter.h"

#include <QDomDocument>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace XmlStore {

namespace {

// Documented attribute order of each element of the five settings files.
const QHash<QString, QStringList>& attributeOrder()
{
    static const QHash<QString, QStringList> order = {
        {QStringLiteral("OutPut_path"), {QStringLiteral("path_value")}},
        {QStringLiteral("Screenshot_path"), {QStringLiteral("Screenshot_path_value")}},
        {QStringLiteral("CLOSE_ITEM"), {QStringLiteral("bIsCloseDlg")}},
        {QStringLiteral("REMIND_ITEM"), {QStringLiteral("isShowRemind")}},
        {QStringLiteral("UPDATES_ITEM"), {QStringLiteral("bIsAutoUpdate")}},
        {QStringLiteral("SHOWDOWN_ITEM"), {QStringLiteral("Finished_All_Job")}},
        {QStringLiteral("Delete_Recorded_File"),
         {QStringLiteral("Delete_According_To_Duration"), QStringLiteral("Duration_Less_Than"),
          QStringLiteral("Delete_According_To_Silence")}},
        {QStringLiteral("Split_Recording"),
         {QStringLiteral("Split_According_To_Silence"), QStringLiteral("Silence_More_Than"),
          QStringLiteral("Split_According_To_Track"), QStringLiteral("Split_At_New_Track")}},
        {QStringLiteral("RECORD_TIME_INFO"),
         {QStringLiteral("Bool_Stop_After_Time"), QStringLiteral("Stop_time_lenght")}},
        {QStringLiteral("RECORD_SCHEDULE_INFO"),
         {QStringLiteral("Bool_Schedule"), QStringLiteral("Schedule_Start_Time"),
          QStringLiteral("Schedule_End_Time")}},
        {QStringLiteral("XML_AUDIO_RECORD_TYPE"),
         {QStringLiteral("BOOL_SYSTEM_AUDIO_"), QStringLiteral("BOOL_MIC_AUDIO_")}},
        {QStringLiteral("FormatSet"),
         {QStringLiteral("Audio_Categories"), QStringLiteral("Audio_Id"),
          QStringLiteral("Video_Categories"), QStringLiteral("Video_Id")}},
        {QStringLiteral("CURSOR_OPTION"),
         {QStringLiteral("Cursor_Show_Value"), QStringLiteral("Cursor_Hight_Value"),
          QStringLiteral("Cursor_Hight_Click_Value")}},
        {QStringLiteral("FORMAT_"), {QStringLiteral("Format_ID")}},
        {QStringLiteral("Format_Custom"),
         {QStringLiteral("OnlyAudio"), QStringLiteral("V_Encoder"), QStringLiteral("V_Resolution"),
          QStringLiteral("V_FrameRate"), QStringLiteral("V_BitRate"), QStringLiteral("V_Quality"),
          QStringLiteral("A_Encoder"), QStringLiteral("A_Channel"), QStringLiteral("A_SampleRate"),
          QStringLiteral("A_BitRate")}},
        {QStringLiteral("Screenshots"),
         {QStringLiteral("IMG_SUFFIX"), QStringLiteral("IMG_Folder")}},
        {QStringLiteral("Path_item"), {QStringLiteral("Converted_path_")}},
        {QStringLiteral("CONVERTED_INFO_"),
         {QStringLiteral("Img_path_"), QStringLiteral("Title_"), QStringLiteral("Resolutin_"),
          QStringLiteral("Time_"), QStringLiteral("Size_"), QStringLiteral("Create_time_"),
          QStringLiteral("Format_"), QStringLiteral("Extend_"), QStringLiteral("Artist_"),
          QStringLiteral("Album_"), QStringLiteral("Genre_"), QStringLiteral("preferencePath_"),
          QStringLiteral("Video_file"), QStringLiteral("New_file")}},
        {QStringLiteral("List_name"), {QStringLiteral("ListName")}},
    };
    return order;
}

}  // namespace

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// True when the UTF-16 unit at i, with its partner when it is half of a surrogate pair, is a
// character XML 1.0 can carry. *units is the number of units the character takes.
bool storableAt(const QString& text, int i, int* units)
{
    const char16_t c = text.at(i).unicode();
    *units = 1;
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    if (c == 0xFFFE || c == 0xFFFF)
        return false;
    if (QChar::isHighSurrogate(c)) {
        if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            *units = 2;
            return true;
        }
        return false;
    }
    return !QChar::isLowSurrogate(c);
}

}  // namespace

QString xmlStorableText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int units = 1;
    for (int i = 0; i < text.size(); i += units) {
        if (storableAt(text, i, &units))
            out += text.midRef(i, units);
        else
            out += QChar(kReplacement);
    }
    return out;
}

namespace {

// One storable character at i, escaped as QDom does it: '<', '&' and (in attributes) '"'
// always; '>' only after "]]"; in attributes, line breaks and tabs as character references so
// that they survive attribute normalisation.
void appendEscapedChar(QString& out, const QString& text, int i, bool attribute)
{
    const QChar c = text.at(i);
    switch (c.unicode()) {
        case '<':
            out += QLatin1String("&lt;");
            return;
        case '&':
            out += QLatin1String("&amp;");
            return;
        case '"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            return;
        case '>':
            if (i >= 2 && text.at(i - 1) == QLatin1Char(']') && text.at(i - 2) == QLatin1Char(']'))
                out += QLatin1String("&gt;");
            else
                out += c;
            return;
        case '\n':
            out += attribute ? QLatin1String("&#xa;") : QLatin1String("\n");
            return;
        case '\r':
            out += QLatin1String("&#xd;");
            return;
        case '\t':
            out += attribute ? QLatin1String("&#x9;") : QLatin1String("\t");
            return;
        default:
            out += c;
    }
}

}  // namespace

void appendXmlEscaped(QString& out, const QString& text, bool attribute)
{
    int units = 1;
    for (int i = 0; i < text.size(); i += units) {
        if (!storableAt(text, i, &units))
            out += QChar(kReplacement);  // see the header
        else if (units == 2)
            out += text.midRef(i, 2);
        else
            appendEscapedChar(out, text, i, attribute);
    }
}

void appendXmlAttributes(QString& out, const QString& tag, const XmlAttributes& attributes)
{
    if (attributes.isEmpty())
        return;
    const auto known = attributeOrder().constFind(tag);
    const bool hasOrder = known != attributeOrder().constEnd();
    // Known names first, in their order; then the rest by name.
    std::vector<int> order(static_cast<size_t>(attributes.size()));
    for (int i = 0; i < attributes.size(); ++i)
        order[static_cast<size_t>(i)] = i;
    auto rank = [&](int i) { return hasOrder ? known->indexOf(attributes.at(i).first) : -1; };
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int ra = rank(a);
        const int rb = rank(b);
        if ((ra >= 0) != (rb >= 0))
            return ra >= 0;
        if (ra >= 0)
            return ra < rb;
        return attributes.at(a).first < attributes.at(b).first;
    });
    for (int i : order) {
        out += QLatin1Char(' ');
        out += attributes.at(i).first;
        out += QLatin1String("=\"");
        appendXmlEscaped(out, attributes.at(i).second, true);
        out += QLatin1Char('"');
    }
}

namespace {

XmlAttributes attributesOf(const QDomElement& element)
{
    const QDomNamedNodeMap map = element.attributes();
    XmlAttributes attributes;
    attributes.reserve(map.count());
    for (int i = 0; i < map.count(); ++i) {
        const QDomNode node = map.item(i);
        attributes.append({node.nodeName(), node.nodeValue()});
    }
    return attributes;
}

void appendNode(QString& out, const QDomNode& node, int depth);

void appendChildren(QString& out, const QDomNode& parent, int depth)
{
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        appendNode(out, child, depth);
}

bool isTextLike(const QDomNode& node)
{
    return !node.isNull() && (node.isText() || node.isCDATASection());
}

void appendNode(QString& out, const QDomNode& node, int depth)
{
    const QString indent(depth * 4, QLatin1Char(' '));
    if (node.isElement()) {
        const QDomElement element = node.toElement();
        if (!isTextLike(node.previousSibling()))
            out += indent;
        out += QLatin1Char('<');
        out += element.tagName();
        appendXmlAttributes(out, element.tagName(), attributesOf(element));
        if (element.hasChildNodes()) {
            out += QLatin1Char('>');
            if (!isTextLike(element.firstChild()))
                out += QLatin1Char('\n');
            appendChildren(out, element, depth + 1);
            if (!isTextLike(element.lastChild()))
                out += indent;
            out += QLatin1String("</");
            out += element.tagName();
            out += QLatin1Char('>');
        } else {
            out += QLatin1String("/>");
        }
        if (!isTextLike(node.nextSibling()))
            out += QLatin1Char('\n');
    } else if (node.isText() || node.isCDATASection()) {
        // A CDATA section is written as escaped text: the same characters, and no way for a
        // value holding "]]>" to end it early.
        appendXmlEscaped(out, node.nodeValue(), false);
    } else if (node.isComment()) {
        out += indent;
        out += QLatin1String("<!--");
        out += node.nodeValue();
        out += QLatin1String("-->\n");
    } else if (node.isProcessingInstruction()) {
        const QDomProcessingInstruction pi = node.toProcessingInstruction();
        // The XML declaration of a hand-edited file names the encoding it was read in; the
        // file is written in UTF-8, so a kept declaration would make the next read decode
        // UTF-8 bytes as that encoding (and grow the file on every start).
        if (pi.target().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0)
            return;
        out += QLatin1String("<?");
        out += pi.target();
        out += QLatin1Char(' ');
        out += pi.data();
        out += QLatin1String("?>\n");
    }
    // Document types and entity references never occur in these files; they are dropped.
}

}  // namespace

QByteArray serializeXmlDocument(const QDomDocument& document)
{
    QString out;
    appendChildren(out, document, 0);
    return out.toUtf8();
}

}  // namespace XmlStore
