#include "partners/gui/AddStranka.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "partners/AjpesLookup.h"
#include "partners/DrzavaRecord.h"
#include "partners/PaymentReferences.h"
#include "partners/TipDavkaChoices.h"
#include "partners/gui/IBANButtonPropertyComponent.h"
#include "partners/gui/PostaValButton.h"
#include "partners/gui/PregledBazeAjpes.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
const char* const kFieldNames[] = { "id",      "ime",      "dolgoime", "ulica",  "hisnast",  "hisnastdod", "naselje",
                                    "postnast", "postaime", "drzava",   "telefon", "telefon2", "mobi",      "faks",
                                    "email",   "web",      "rokplacila", "popust", "davcna",   "maticna",   "ibanid",
                                    "IBAN",    "kmgmid",   "gln",      "tipdavka", "tipstranke" };

// The text rows in the order they are made; each caption is "stranka_" and the field's name.
const char* const kTextRows[] = { "ime",     "dolgoime", "ulica", "hisnast", "hisnastdod", "naselje", "telefon", "mobi", "faks",
                                  "email",   "web",      "rokplacila", "popust", "davcna", "maticna", "kmgmid",  "gln" };

// The caption keys must stay literal so the language-file check finds them.
juce::String captionOf (const juce::String& name)
{
    const std::map<juce::String, juce::String> captions {
        { "ime", TRANS ("stranka_ime") },         { "dolgoime", TRANS ("stranka_dolgoime") },
        { "ulica", TRANS ("stranka_ulica") },     { "hisnast", TRANS ("stranka_hisnast") },
        { "hisnastdod", TRANS ("stranka_hisnastdod") }, { "naselje", TRANS ("stranka_naselje") },
        { "telefon", TRANS ("stranka_telefon") }, { "mobi", TRANS ("stranka_mobi") },
        { "faks", TRANS ("stranka_faks") },       { "email", TRANS ("stranka_email") },
        { "web", TRANS ("stranka_web") },         { "rokplacila", TRANS ("stranka_rokplacila") },
        { "popust", TRANS ("stranka_popust") },   { "davcna", TRANS ("stranka_davcna") },
        { "maticna", TRANS ("stranka_maticna") }, { "kmgmid", TRANS ("stranka_kmgmid") },
        { "gln", TRANS ("stranka_gln") },
    };
    auto it = captions.find (name);
    return it != captions.end() ? it->second : name;
}

bool rowFlag (const juce::String& text)
{
    const auto first = text.substring (0, 1);
    return first.containsAnyOf ("1tTyY");
}

void log (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("AddStranka::") + method, message);
}
} // namespace

AddStranka::AddStranka (const juce::XmlElement* row, int mask, juce::Component* ownerComponent)
    : panel (this), kindMask (mask), owner (ownerComponent)
{
    log ("AddStranka", "AddStranka");
    stranka.id = -1;
    const juce::XmlElement empty ("Item");
    const auto& source = row != nullptr ? *row : empty;
    for (auto* name : kFieldNames)
        values[name] = source.getStringAttribute (name).removeCharacters ("\r\n");

    juce::Array<juce::PropertyComponent*> rows;
    std::map<juce::String, juce::PropertyComponent*> textRows;
    for (auto* name : kTextRows)
        textRows[name] = new VindorTextPropertyComponent (values[name], captionOf (name), 200, false);

    auto* postCode = new PostaValButton ("stevilka", values["postnast"], TRANS ("stranka_postnast"), this, "ime", values["postaime"]);
    auto* postOffice = new PostaValButton ("ime", values["postaime"], TRANS ("stranka_postaime"), this, "stevilka", values["postnast"]);

    juce::PropertyComponent* country = nullptr;
    sqlQuery ("SELECT id, ime FROM drzava");
    if (getData() != nullptr && getData()->getNumChildElements() > 0)
    {
        juce::StringArray names;
        juce::Array<juce::var> ids;
        for (auto* c : getData()->getChildIterator())
        {
            names.add (juce::translate (c->getStringAttribute ("ime")));
            ids.add (c->getStringAttribute ("id").getIntValue());
        }
        int drzava = values["drzava"].toString().getIntValue();
        if (drzava < 1)
            drzava = kHomeDrzava;
        values["drzava"] = drzava;
        country = new VindorChoicePropertyComponent (values["drzava"], TRANS ("stranka_Drzava"), names, ids);
    }

    const auto accountText = values["IBAN"].toString().trim();
    ibanButton = new IBANButtonPropertyComponent (accountText.isEmpty() ? TRANS ("Izberi IBAN") : groupByFour (accountText),
                                                  TRANS ("stranka_IBAN"), this);
    StrankaRecord holder;
    holder.id = values["id"].toString().getIntValue();
    holder.ime = values["ime"].toString();
    ibanButton->fixNosilec (holder);

    values["tipdavka"] = row != nullptr ? rowFlag (row->getStringAttribute ("tipdavka")) : true;
    const auto vatChoices = makeTipDavkaChoices();
    auto* vat = new VindorChoicePropertyComponent (values["tipdavka"], TRANS ("stranka_DDV"), vatChoices.texts, vatChoices.codes);

    for (auto* name : { "ime", "dolgoime", "ulica", "hisnast", "hisnastdod", "naselje" })
        rows.add (textRows[name]);
    rows.add (postCode);
    rows.add (postOffice);
    if (country != nullptr)
        rows.add (country);
    for (auto* name : { "telefon", "mobi", "faks", "email", "web", "rokplacila", "popust", "davcna", "maticna", "kmgmid", "gln" })
        rows.add (textRows[name]);
    rows.add (ibanButton);
    rows.add (vat);
    panel.addProperties (rows);

    setKinds (kindMask);
    juce::Array<juce::PropertyComponent*> kinds;
    for (int i = 0; i < 5; ++i)
        kinds.add (new VindorBooleanPropertyComponent (kindToggles[i], juce::translate ("tipstranke" + juce::String (i)), TRANS ("ON")));
    panel.addSection (TRANS ("Tip stranke"), kinds, false);
    addAndMakeVisible (panel);

    setSize (800, 600);
    values["ime"].addListener (this);
    log ("AddStranka", "AddStranka end");
}

AddStranka::~AddStranka()
{
    values["ime"].removeListener (this);
}

void AddStranka::setKinds (int mask)
{
    for (int i = 0; i < 5; ++i)
        kindToggles[i] = (mask & (1 << i)) != 0;
}

void AddStranka::resized()
{
    panel.setBounds (getLocalBounds());
}

void AddStranka::valueChanged (juce::Value& value)
{
    updating = true;
    if (value.refersToSameSourceAs (values["ime"]) && ibanButton != nullptr)
    {
        StrankaRecord holder;
        holder.id = values["id"].toString().getIntValue();
        holder.ime = values["ime"].toString();
        ibanButton->fixNosilec (holder);
    }
    updating = false;
}

bool AddStranka::buttonAction (int code)
{
    // While the register's hits are open (or a change is being taken in) every button waits.
    if (currentChild != nullptr || updating)
    {
        doneFlag = false;
        return true;
    }
    if (code == ButtonCode::businessRegister)
        return ajpesAction();
    return VindorWindowAction::buttonAction (code);
}

bool AddStranka::okAction()
{
    const bool saved = save();
    doneFlag = saved;
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool AddStranka::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool AddStranka::save()
{
    return saveAs (StrankaSave::Kind::add, TRANS ("Dodaj stranko"));
}

StrankaSave::Form AddStranka::currentForm()
{
    StrankaSave::Form form;
    auto text = [this] (const char* name) { return values[name].toString(); };
    form.id = text ("id");
    form.ime = text ("ime");
    form.dolgoime = text ("dolgoime");
    form.ulica = text ("ulica");
    form.hisnast = text ("hisnast");
    form.hisnastdod = text ("hisnastdod");
    form.naselje = text ("naselje");
    form.postnast = text ("postnast");
    form.postaime = text ("postaime");
    form.telefon = text ("telefon");
    form.telefon2 = text ("telefon2");
    form.mobi = text ("mobi");
    form.faks = text ("faks");
    form.email = text ("email");
    form.web = text ("web");
    form.rokplacila = text ("rokplacila");
    form.popust = text ("popust");
    form.davcna = text ("davcna");
    form.maticna = text ("maticna");
    form.kmgmid = text ("kmgmid");
    form.gln = text ("gln");
    form.ibanid = text ("ibanid");
    form.drzava = (int) values["drzava"].getValue();
    form.tipdavka = (bool) values["tipdavka"].getValue();
    for (int i = 0; i < 5; ++i)
        form.kinds[i] = (bool) kindToggles[i].getValue();
    return form;
}

bool AddStranka::saveAs (StrankaSave::Kind kind, const juce::String& questionTitle)
{
    auto ask = [this, &questionTitle] (const juce::String& vatId)
    { return askYesNoCancel (vindoro::kIconQuestion, questionTitle, TRANS ("fix tax number") + " " + vatId, this); };
    const auto outcome = StrankaSave::save (currentForm(), kind, ibanButton != nullptr ? &ibanButton->getAccounts() : nullptr, ask);
    if (! outcome.saved)
    {
        setErrorMessage (outcome.error);
        return false;
    }
    stranka.id = outcome.id;
    return true;
}

bool AddStranka::ajpesAction()
{
    AjpesLookup::PartyForm form;
    form.ime = values["ime"].toString();
    form.maticna = values["maticna"].toString();
    form.davcna = values["davcna"].toString();
    form.ulica = values["ulica"].toString();
    form.hisnast = values["hisnast"].toString();
    form.hisnastdod = values["hisnastdod"].toString();
    form.naselje = values["naselje"].toString();
    form.postnast = values["postnast"].toString();
    auto outcome = AjpesLookup::search (AjpesLookup::conditionsFromForm (form));
    doneFlag = false;
    if (outcome.found())
        PregledBazeAjpes::launch (std::move (outcome.hits), *this, *this, owner);
    else
        showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), outcome.error, this);
    return true;
}

void AddStranka::takeHit (KWindow* results)
{
    auto* hits = dynamic_cast<PregledBazeAjpes*> (results->getAction());
    auto* row = hits != nullptr ? hits->getSelectedRow() : nullptr;
    const auto company = AjpesLookup::readHit (row);
    if (! company.has_value())
        return;
    values["dolgoime"] = company->dolgoime;
    values["ime"] = company->ime;
    values["naselje"] = company->naselje;
    values["ulica"] = company->ulica;
    values["hisnast"] = company->hisnast;
    values["hisnastdod"] = company->hisnastdod;
    values["postnast"] = company->postnast;
    values["postaime"] = company->postaime;
    values["davcna"] = company->davcna;
    values["maticna"] = company->maticna;
    values["tipdavka"] = company->tipdavka;
    if (ibanButton != nullptr)
        ibanButton->dodajIBAN (company->racuni);
}

void AddStranka::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    log ("changeListenerCallback", "doing action");
    if (source == nullptr)
        return;
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr || window != currentChild.get())
    {
        VindorWindowSetup::changeListenerCallback (source);
        log ("changeListenerCallback", "done");
        return;
    }
    switch (window->getExitValue())
    {
        case ButtonCode::ok:
            takeHit (window);
            currentChild = nullptr;
            break;
        case ButtonCode::cancel:
            currentChild = nullptr;
            break;
        default:
            break;
    }
}
