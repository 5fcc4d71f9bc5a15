#include "partners/WebFind.h"

#include "core/Log.h"
#include "core/MyExceptions.h"

using vindoro::vlog;

namespace
{
struct HitColumn
{
    const char* name;
    int width;
};

// The result columns in their order, with the widths the hit browser falls back on.
const HitColumn kHitColumns[] = { { "ime", 30 },     { "kratko_ime", 100 }, { "naslov", 60 },
                                  { "maticna", 70 }, { "davcna", 60 },      { "ajpesid", 70 } };

// The cells after the link's cell, in row order.
const char* const kCellAttributes[] = { "kratko_ime", "naslov", "maticna", "davcna" };

std::unique_ptr<juce::XmlElement> makeEmptyResult()
{
    auto root = std::make_unique<juce::XmlElement> ("MYSQL_DATA");
    auto* columns = root->createNewChildElement ("COLUMNS");
    int id = 1;
    for (auto& c : kHitColumns)
    {
        auto* column = columns->createNewChildElement ("COLUMN");
        column->setAttribute ("columnId", id++);
        column->setAttribute ("name", c.name);
        column->setAttribute ("org_name", c.name);
        column->setAttribute ("table", "Find");
        column->setAttribute ("org_table", "Find");
        column->setAttribute ("type", "0");
        column->setAttribute ("width", c.width);
    }
    root->createNewChildElement ("DATA");
    return root;
}

// Two siblings on: past the whitespace text the page puts between cells.
xmlNodePtr nextCell (xmlNodePtr node)
{
    if (node == nullptr || node->next == nullptr)
        return nullptr;
    return node->next->next;
}
} // namespace

WebFind::WebFind (const AjpesIskanjeRecord& conditions)
{
    vlog ("WebFind::WebFind", "inside");
    login(); // its failure reaches the caller as it is: there is no log-in to end

    const auto url = searchUrl (baseUrl, conditions);
    vlog ("WebFind::WebFind", "WebFind url=" + url);
    try
    {
        get (url);
        setData (kHitsXPath);
    }
    catch (const myexceptions::myException& e)
    {
        const auto first = juce::String::fromUTF8 (e.what());
        try
        {
            logout();
        }
        catch (const myexceptions::myException&)
        {
            vlog ("WebFind::WebFind", "WARNING: log-out after a failed search failed too");
        }
        throw myexceptions::AjpesException (first);
    }
    vlog ("WebFind::WebFind", "data set");
}

WebFind::~WebFind() = default;

juce::String WebFind::searchUrl (const juce::String& base, const AjpesIskanjeRecord& conditions)
{
    auto url = base + "/prs/rezultati.asp?";
    for (auto& [key, value] : conditions.keyedValues())
        if (value.isNotEmpty())
            url << key << "=" << escapeQueryValue (value) << "&";
    url << "status=1&" << "MAXREC=10000";
    return url;
}

void WebFind::read_xpath_nodes (xmlNodeSetPtr nodes)
{
    vlog ("WebFind::read_xpath_nodes", "inside");
    if (nodes == nullptr || nodes->nodeNr == 0)
        throw myexceptions::AjpesException (TRANS ("Ni zadetkov!"));
    vlog ("WebFind::read_xpath_nodes", "zadetkov za podjetje.asp?=" + juce::String (nodes->nodeNr));

    rezultat = makeEmptyResult();
    auto* data = rezultat->getChildByName ("DATA");

    for (int i = nodes->nodeNr; --i >= 0;)
    {
        auto* node = nodes->nodeTab[i];
        if (node->parent == nullptr || node->parent->next == nullptr)
            continue;

        auto* item = data->createNewChildElement ("ITEM");
        item->setAttribute ("ime", nodeText (node));
        for (auto* attr = node->properties; attr != nullptr; attr = attr->next)
        {
            auto* value = xmlNodeListGetString (node->doc, attr->children, 1);
            const auto text = value != nullptr ? juce::String::fromUTF8 (reinterpret_cast<const char*> (value)) : juce::String();
            xmlFree (value);
            item->setAttribute ("ajpesid", text.contains ("?") ? text.fromFirstOccurrenceOf ("?", false, false) : text);
        }

        auto* cell = nextCell (node->parent);
        for (auto* name : kCellAttributes)
        {
            item->setAttribute (name, nodeText (cell));
            cell = nextCell (cell);
        }
    }
    vlog ("WebFind::read_xpath_nodes", "exit");
}
