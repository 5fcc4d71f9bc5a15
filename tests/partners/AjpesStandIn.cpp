#include "partners/AjpesStandIn.h"

namespace vtest
{
namespace
{
using Reply = HttpsStandIn::Reply;
using Request = HttpsStandIn::Request;

Reply htmlPage (int status, const std::string& text)
{
    return { status, "<html><head><title>" + text + "</title></head><body><h1>" + text + "</h1></body></html>" };
}

std::string queryValue (const std::string& query, const std::string& key)
{
    const auto prefix = key + "=";
    size_t start = 0;
    while (start <= query.size())
    {
        const auto end = std::min (query.find ('&', start), query.size());
        if (query.compare (start, prefix.size(), prefix) == 0)
            return query.substr (start + prefix.size(), end - start - prefix.size());
        start = end + 1;
    }
    return {};
}
} // namespace

AjpesStandIn::AjpesStandIn()
{
    web.handle ("POST", kLogin, [this] (const Request& r) -> Reply {
        if (auto fault = faultReply (kLogin); fault.status != 0)
        {
            // A redirect still carries the session of a right log-in, as the register's start page does.
            if (fault.status == 302 && r.formField ("uporabnik") == user && r.formField ("geslo") == password)
                fault.headers.push_back ({ "Set-Cookie", sessionCookieName + "=" + sessionCookieValue + "; path=/" });
            return fault;
        }
        if (r.query != "method=checkuser")
            return htmlPage (400, "Unknown method");
        if (r.formField ("uporabnik") != user || r.formField ("geslo") != password)
            return { 200, "<html><body><p>Napačno uporabniško ime ali geslo</p></body></html>" };
        Reply ok { 200, "<html><body><p>OK</p></body></html>" };
        ok.headers.push_back ({ "Set-Cookie", sessionCookieName + "=" + sessionCookieValue + "; path=/" });
        return ok;
    });

    web.handle ("GET", kStart, [this] (const Request& r) -> Reply {
        return hasSession (r) ? Reply { 200, "<html><body><p>Dobrodošli</p></body></html>" } : htmlPage (403, "Forbidden");
    });
    web.handle ("GET", kBroken, [] (const Request&) { return htmlPage (500, "Internal Server Error"); });

    web.handle ("GET", kSearch, [this] (const Request& r) -> Reply {
        if (auto fault = faultReply (kSearch); fault.status != 0)
            return fault;
        return hasSession (r) ? Reply { 200, searchPage() } : htmlPage (403, "Forbidden");
    });
    web.handle ("GET", kCompany, [this] (const Request& r) -> Reply {
        if (auto fault = faultReply (kCompany); fault.status != 0)
            return fault;
        return hasSession (r) ? Reply { 200, companyPage() } : htmlPage (403, "Forbidden");
    });
    web.handle ("GET", kAccounts, [this] (const Request& r) -> Reply {
        if (auto fault = faultReply (kAccounts); fault.status != 0)
            return fault;
        return hasSession (r) ? Reply { 200, accountPage (queryValue (r.query, "RtrFilter_Maticna")) }
                              : htmlPage (403, "Forbidden");
    });
    web.handle ("GET", kLogout, [this] (const Request& r) -> Reply {
        if (auto fault = faultReply (kLogout); fault.status != 0)
            return fault;
        return hasSession (r) ? Reply { 200, "<html><body><p>Odjava uspela</p></body></html>" } : htmlPage (403, "Forbidden");
    });
}

void AjpesStandIn::configure (juce::PropertiesFile& settings, const juce::File& replyFolder) const
{
    settings.setValue ("ajpes_url", web.url());
    settings.setValue ("trusted_certificates_file", web.certificateFile().getFullPathName());
    settings.setValue ("xml_ajpes_reply_dir", replyFolder.getFullPathName());
    settings.setValue ("ajpes_username", juce::String::fromUTF8 (user.c_str()));
    settings.setValue ("ajpes_password", juce::String::fromUTF8 (password.c_str()));
}

void AjpesStandIn::inject (const std::string& path, Fault fault)
{
    std::lock_guard<std::mutex> lock (mutex);
    faults[path] = fault;
}

std::vector<HttpsStandIn::Request> AjpesStandIn::requestsTo (const std::string& path) const
{
    std::vector<HttpsStandIn::Request> out;
    for (auto& r : web.requests())
        if (r.path == path)
            out.push_back (r);
    return out;
}

Reply AjpesStandIn::faultReply (const std::string& path) const
{
    Fault fault = Fault::none;
    {
        std::lock_guard<std::mutex> lock (mutex);
        if (auto it = faults.find (path); it != faults.end())
            fault = it->second;
    }
    switch (fault)
    {
        case Fault::none: break;
        case Fault::error500: return htmlPage (500, "Internal Server Error");
        case Fault::error404: return htmlPage (404, "Not Found");
        case Fault::redirect: return { 302, "", "text/html", { { "Location", kStart } } };
        case Fault::redirectToError: return { 302, "", "text/html", { { "Location", kBroken } } };
        case Fault::hold:
        {
            Reply late = htmlPage (200, "Prepozno");
            late.holdMs = 20000;
            return late;
        }
        case Fault::unreadable: return { 200, "" };
    }
    return { 0 };
}

bool AjpesStandIn::hasSession (const Request& r) const
{
    return r.cookie (sessionCookieName) == sessionCookieValue;
}

std::string AjpesStandIn::searchPage() const
{
    std::string rows;
    for (auto& h : hits)
    {
        const auto link = "<a href=\"podjetje.asp?s=1&amp;e=" + h.maticna + "\">" + h.ime + "</a>";
        if (h.linkInLastCell)
            rows += "<tr><td>" + h.kratkoIme + "</td>\n<td>" + h.naslov + "</td>\n<td>" + h.maticna + "</td>\n<td>"
                    + h.davcna + "</td>\n<td>" + link + "</td></tr>\n";
        else
            rows += "<tr><td>" + link + "</td>\n<td>" + h.kratkoIme + "</td>\n<td>" + h.naslov + "</td>\n<td>" + h.maticna
                    + "</td>\n<td>" + h.davcna + "</td></tr>\n";
    }
    const std::string head = "<thead><tr><th>Naziv</th>\n<th>Kratko ime</th>\n<th>Naslov</th>\n<th>Matična</th>\n"
                             "<th>Davčna</th></tr></thead>\n";
    const auto body = tbody ? "<tbody>\n" + rows + "</tbody>\n" : rows;
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Rezultati iskanja</title></head><body>\n"
           "<p><a href=\"/prs/\">Nazaj na iskanje</a></p>\n<table class=\"table\">\n"
           + head + body + "</table>\n</body></html>\n";
}

std::string AjpesStandIn::companyPage() const
{
    if (! companyBlocks)
        return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Podjetje</title></head><body>\n"
               "<div class=\"row\"><div class=\"col-sm-12\">Subjekt ni najden</div></div>\n</body></html>\n";
    std::string blocks = "<div class=\"col-sm-12\">Poslovni register Slovenije</div>\n"
                         "<div class=\"col-sm-6\">Izpis</div>\n<div class=\"col-sm-6\">Podatki o subjektu</div>\n"
                         "<div class=\"col-sm-12\">Stanje na dan</div>\n";
    for (auto& [label, value] : companyPairs)
        blocks += "<div class=\"col-sm-4 label\">" + label + "</div>\n<div class=\"col-sm-8\">" + value + "</div>\n";
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Podjetje</title></head><body>\n"
           "<div class=\"row\"><div class=\"col-sm-12\">Glava</div></div>\n"
           "<div class=\"row form-gray-print\">\n" + blocks + "</div>\n"
           "<div class=\"row form-gray-print\"><div class=\"col-sm-4\">Drugi blok</div>"
           "<div class=\"col-sm-8\">se ne bere</div></div>\n</body></html>\n";
}

std::string AjpesStandIn::accountPage (const std::string& maticna) const
{
    std::string links;
    if (auto it = accounts.find (maticna); it != accounts.end())
    {
        int id = 1;
        for (auto& text : it->second)
            links += "<tr><td><a href=\"Podrobnosti.aspx?id=" + std::to_string (id++) + "\">" + text + "</a></td>\n"
                     "<td>odprt</td></tr>\n";
    }
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>eRTR</title></head><body>\n"
           "<table><tbody>\n" + links + "</tbody></table>\n</body></html>\n";
}

void AjpesStandIn::serveOneCompany()
{
    hits = { { "5012345000", "VINSKA KLET GORIČKO, d.o.o.", "VINSKA KLET GORIČKO", "Dunajska cesta 5, 1000 Ljubljana",
               "SI12345678" } };
    companyPairs = { { "Matična številka", "5012345000" },
                     { "Davčna številka", "SI 12345678" },
                     { "Popolno ime", "VINSKA KLET GORIČKO, proizvodnja in prodaja vina, d.o.o." },
                     { "Kratko ime", "VINSKA KLET GORIČKO d.o.o." },
                     { "Pravnoorganizacijska oblika", "družba z omejeno odgovornostjo" },
                     { "Naslov", "Vrh, Gorska pot 12A, 3230 Kraj" } };
    accounts = { { "5012345000", { "SI56 1910 0000 0123 438", "si56-0510-0801-2345-678", "SI56 1910 0000 0123 438" } } };
}
} // namespace vtest
