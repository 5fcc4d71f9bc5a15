#include "partners/AjpesLookup.h"

#include "core/Log.h"
#include "core/MyExceptions.h"
#include "partners/WebFind.h"
#include "partners/WebGet.h"

using vindoro::vlog;

namespace
{
juce::String withoutLineBreaks (const juce::String& text)
{
    return text.removeCharacters ("\r\n");
}

juce::String hasText (const myexceptions::myException& e)
{
    return juce::String::fromUTF8 (e.what()).isNotEmpty() ? "true" : "false";
}
} // namespace

AjpesIskanjeRecord AjpesLookup::conditionsFromForm (const PartyForm& form)
{
    AjpesIskanjeRecord c;
    c.naziv = form.ime;
    c.maticna = form.maticna;
    c.davcna = form.davcna;
    c.ulica = form.ulica;
    c.h_st = form.hisnast + form.hisnastdod;
    c.naselje = form.naselje;
    c.posta = form.postnast;
    return c;
}

AjpesLookup::SearchOutcome AjpesLookup::search (const AjpesIskanjeRecord& conditions)
{
    SearchOutcome outcome;
    try
    {
        WebFind find (conditions);
        auto* tree = find.getRezultat();
        auto* data = tree != nullptr ? tree->getChildByName ("DATA") : nullptr;
        if (data == nullptr || data->getNumChildElements() == 0)
            outcome.error = TRANS ("ajpes ni zadetkov");
        else
            outcome.hits = find.takeRezultat();
    }
    catch (const myexceptions::myException& e)
    {
        vlog ("AjpesLookup::search", "Trying ajpes:" + hasText (e));
        outcome.error = juce::translate (juce::String::fromUTF8 (e.what()));
    }
    return outcome;
}

std::optional<AjpesLookup::PartyFields> AjpesLookup::readHit (const juce::XmlElement* hitRow)
{
    vlog ("AjpesLookup::readHit", "iscem maticno");
    if (hitRow == nullptr)
        return std::nullopt;
    const auto id = hitRow->getStringAttribute ("ajpesid");
    vlog ("AjpesLookup::readHit", "ajpesid:" + id);
    if (id.isEmpty())
        return std::nullopt;
    try
    {
        WebGet page (id);
        return fieldsFromCompany (page.getPodjetje());
    }
    catch (const myexceptions::myException& e)
    {
        vlog ("AjpesLookup::readHit", "Trying ajpes:" + hasText (e));
        return std::nullopt;
    }
}

AjpesLookup::PartyFields AjpesLookup::fieldsFromCompany (const AjpesPodjetjeRecord& company)
{
    PartyFields f;
    f.dolgoime = withoutLineBreaks (company.popolnoIme);
    f.ime = withoutLineBreaks (company.kratkoIme.contains ("ni vpisa") ? company.popolnoIme : company.kratkoIme);
    f.naselje = withoutLineBreaks (company.naselje);
    f.ulica = withoutLineBreaks (company.ulica);
    f.hisnast = withoutLineBreaks (company.hisnaStevilka);
    f.hisnastdod = withoutLineBreaks (company.dodatek);
    f.postnast = withoutLineBreaks (company.postnaStevilka);
    f.postaime = withoutLineBreaks (company.posta);
    f.davcna = withoutLineBreaks (company.davcna);
    f.maticna = withoutLineBreaks (company.maticna);
    f.tipdavka = company.idDDV.isNotEmpty();
    f.racuni = company.racuni;
    return f;
}
