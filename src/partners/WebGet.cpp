#include "partners/WebGet.h"

#include "core/Log.h"
#include "core/MyExceptions.h"
#include "partners/PaymentReferences.h"

using vindoro::vlog;

namespace
{
// Label/value pairs start after the page's four leading blocks.
constexpr int kLeadingBlocks = 4;

int lastDigitIndex (const juce::String& text)
{
    for (int i = text.length(); --i >= 0;)
        if (juce::CharacterFunctions::isDigit (text[i]))
            return i;
    return -1;
}

// Text before `position`; nothing before -1.
juce::String before (const juce::String& text, int position)
{
    return position < 0 ? juce::String() : text.substring (0, position);
}
} // namespace

WebGet::WebGet (const juce::String& query)
{
    vlog ("WebGet::WebGet", "inside");
    podjetje.stran = 0;
    // A hit's link text may come with blanks or line breaks that no URL may hold.
    const auto url = baseUrl + "/prs/podjetjeSRG.asp?" + escapeQueryText (query);
    vlog ("WebGet::WebGet", "WebGet url=" + url);
    try
    {
        get (url);
        setData (kCompanyXPath);
        getIBAN();
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
            vlog ("WebGet::WebGet", "WARNING: log-out after a failed read failed too");
        }
        throw myexceptions::AjpesException (first);
    }

    // The company is read: a log-out the register refuses must not take it from the caller.
    try
    {
        logout();
    }
    catch (const myexceptions::myException&)
    {
        vlog ("WebGet::WebGet", "WARNING: log-out failed, the company data stand");
    }
    vlog ("WebGet::WebGet", "data set");
}

WebGet::~WebGet() = default;

void WebGet::read_xpath_nodes (xmlNodeSetPtr nodes)
{
    if (podjetje.stran != 0)
        read_xpath_nodes_iban (nodes);
    else
        read_xpath_nodes_get2 (nodes);
}

void WebGet::read_xpath_nodes_get2 (xmlNodeSetPtr nodes)
{
    vlog ("WebGet::read_xpath_nodes_get2", "inside");
    if (nodes == nullptr || nodes->nodeNr == 0)
        throw myexceptions::AjpesException (TRANS ("Ni zadetkov!"));

    juce::StringArray labels, values;
    for (int i = kLeadingBlocks; i < nodes->nodeNr; ++i)
        ((i - kLeadingBlocks) % 2 == 0 ? labels : values).add (nodeText (nodes->nodeTab[i]));

    vlog ("WebGet::read_xpath_nodes_get2", "povzetek:");
    for (int i = 0; i < labels.size(); ++i)
        vlog ("WebGet::read_xpath_nodes_get2", labels[i] + "=" + values[i]);

    // StringArray gives the empty text past its end, as a missing value must read.
    podjetje.maticna = values[0];
    parsajDavcno (values[1]);
    juce::String address;
    if (labels[2].containsIgnoreCase ("vlo"))
    {
        podjetje.popolnoIme = values[3];
        podjetje.kratkoIme = values[4];
        address = values[6];
    }
    else
    {
        podjetje.popolnoIme = values[2];
        podjetje.kratkoIme = values[3];
        address = values[5];
    }
    parsajNaslov (address);
    vlog ("WebGet::read_xpath_nodes_get2", "exit");
}

void WebGet::getIBAN()
{
    vlog ("WebGet::getIBAN", "inside");
    podjetje.stran = 1;
    // The number as the page shows it may carry line breaks around it.
    const auto url = baseUrl + "/ertr/JavniDel/Rezultati.aspx?RtrFilter_Maticna=" + escapeQueryValue (podjetje.maticna.trim());
    vlog ("WebGet::getIBAN", "getIBAN url=" + url);
    get (url);
    setData (kAccountsXPath);
    vlog ("WebGet::getIBAN", "exit");
}

void WebGet::read_xpath_nodes_iban (xmlNodeSetPtr nodes)
{
    vlog ("WebGet::read_xpath_nodes_iban", "inside");
    if (nodes == nullptr || nodes->nodeNr == 0)
        return;
    for (int i = nodes->nodeNr; --i >= 0;)
        podjetje.racuni.add (normaliseIban (nodeText (nodes->nodeTab[i])));
    vlog ("WebGet::read_xpath_nodes_iban", "exit");
}

void WebGet::splitTaxNumber (const juce::String& text, AjpesPodjetjeRecord& into)
{
    const auto t = text.trim();
    const int i = t.indexOfAnyOf ("0123456789");
    if (i < 0)
    {
        into.davcna = t;
        into.idDDV = {};
        return;
    }
    into.davcna = t.substring (i).trim();
    into.idDDV = t.substring (0, i).trim();
}

void WebGet::splitAddress (const juce::String& address, AjpesPodjetjeRecord& into)
{
    const auto t = address.trim();
    const int b = t.indexOfChar (',');
    const int a = t.lastIndexOfChar (',');
    vlog ("WebGet::parsajNaslov", "nas=" + t + " vejica1=" + juce::String (b) + " vejica2=" + juce::String (a));

    juce::String street;
    if (a == b)
    {
        street = before (t, a).trim();
    }
    else
    {
        street = t.substring (b + 1, a).trim();
        into.naselje = t.substring (0, b).trim();
    }

    const auto rest = (a < 0 ? t : t.substring (a + 1)).trim();
    const int d = lastDigitIndex (rest);
    into.postnaStevilka = before (rest, d + 1).trim();
    into.posta = rest.substring (d + 1).trim();

    if (into.naselje.isEmpty())
        into.naselje = into.posta;

    const int sd = lastDigitIndex (street);
    const int s = street.lastIndexOfChar (' ');
    into.dodatek = street.substring (sd + 1).trim();
    into.hisnaStevilka = s + 1 > sd ? juce::String() : street.substring (s + 1, sd + 1).trim();
    into.ulica = before (street, s).trim();
}
