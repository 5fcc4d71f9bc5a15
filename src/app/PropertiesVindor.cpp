#include "app/PropertiesVindor.h"

#include "cellar/gui/SerijaButtonPropertyComponent.h"

#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/ModeSetting.h"
#include "db/gui/BackupButtonPropertyComponent.h"
#include "db/gui/RestoreButtonPropertyComponent.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"
#include "invoices/gui/KlavzuleTableButtonPropertyComponent.h"
#include "operations/gui/AnalizaProperty.h"
#include "partners/gui/DrzavaTableButtonPropertyComponent.h"
#include "platform/ComPortDriver.h"
#include "reports/gui/DDVTableButtonPropertyComponent.h"
#include "warehouse/gui/ModelButtonPropertyComponent.h"
#include "widgets/PNGFilenameButtonPropertyComponent.h"
#include "widgets/RangeCheckedSliderPropertyComponent.h"
#include "widgets/SpecialTableButtonPropertyComponent.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorColorButtonPropertyComponent.h"
#include "widgets/VindorFolderPropertyComponent.h"
#include "widgets/VindorPathPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorText2PropertyComponent.h"

using namespace juce;

namespace
{
constexpr int kFirstStyle = 1, kLastStyle = 4;
constexpr int kFontSizeMin = 2, kFontSizeMax = 25, kFontSizeDefault = 6;
constexpr int kQuickButtonsMin = 1, kQuickButtonsMax = 50, kQuickButtonsDefault = 20;

LookAndFeel_Vindor* offeredLookAndFeel = nullptr;
bool offerTaken = false;

PropertiesFile* settings() { return getUserSettings(); }

int readInt (const String& key, int fallback)
{
    auto* s = settings();
    return s != nullptr ? s->getIntValue (key, fallback) : fallback;
}

void store (const String& key, const var& v)
{
    if (auto* s = settings())
        s->setValue (key, v);
}

void log (const char* method, const String& message) { vindoro::vlog (String ("PropertiesVindor::") + method, message); }

Array<var> storedValues (std::initializer_list<int> numbers)
{
    Array<var> values;
    for (int n : numbers)
        values.add (n);
    return values;
}

/** Clears `old` from every component below `c` that resolves to it, top-down, and gives the
    replacement to those that still would (a component that named `old` itself). */
void moveTreeOff (Component& c, LookAndFeel* old, LookAndFeel* replacement)
{
    if (&c.getLookAndFeel() == old)
    {
        c.setLookAndFeel (nullptr);
        if (&c.getLookAndFeel() == old)
            c.setLookAndFeel (replacement);
    }
    for (auto* child : c.getChildren())
        moveTreeOff (*child, old, replacement);
}
} // namespace

void PropertiesVindor::offerLookAndFeel (LookAndFeel_Vindor* made)
{
    offeredLookAndFeel = made;
    offerTaken = false;
}

bool PropertiesVindor::wasOfferTaken()
{
    return offerTaken;
}

PropertiesVindor::PropertiesVindor (Component* ownerIn)
    : SortaListener (2), panel (std::make_unique<VindorPropertyPanel>())
{
    setOpaque (false);
    addAndMakeVisible (*panel);
    owner = ownerIn;

    // Only what start-up made and offered is taken over: anything else the desktop shows belongs
    // to someone else and must not be deleted here.
    if (offeredLookAndFeel != nullptr && &LookAndFeel::getDefaultLookAndFeel() == offeredLookAndFeel)
    {
        ownedLookAndFeel.reset (offeredLookAndFeel);
        offeredLookAndFeel = nullptr;
        offerTaken = true;
        log ("PropertiesVindor", "Found LookAndFeel_Vindor");
    }

    // Listening before loading: the one change this makes puts the stored style in force on the
    // first pass of the message loop.
    lookAndFeelStyle.addListener (this);
    int style = readInt ("LookAndFeel", kFirstStyle);
    if (style < kFirstStyle || style > kLastStyle)
        style = kFirstStyle;
    lookAndFeelStyle = style;

    buildSections();
}

PropertiesVindor::~PropertiesVindor()
{
    if (ownedLookAndFeel != nullptr)
    {
        auto* mine = ownedLookAndFeel.get();
        if (&LookAndFeel::getDefaultLookAndFeel() == mine)
            LookAndFeel::setDefaultLookAndFeel (nullptr);
        moveComponentsOff (mine, nullptr);
        ownedLookAndFeel.reset();
    }

    for (auto* v : { &sklicMode, &metodaObracuna, &racunKupecPozicija, &racunDobavnicaMode, &racunPopustMode, &dostavniPlac,
                     &fontSizeMm, &artikelSelColor, &loggerMode, &posPrinterPort, &nqButtons, &lookAndFeelStyle })
        v->removeListener (this);
    panel.reset();
}

void PropertiesVindor::listenTo (Value& v)
{
    v.addListener (this);
}

StringArray PropertiesVindor::listPrinterPorts()
{
    StringArray ports;
    auto& driver = ComPortDriver::get();
    const int n = driver.getNumComPorts();
    for (int i = 0; i < n; ++i)
    {
        const wchar_t* name = driver.getComPortName (i);
        ports.add (name != nullptr ? String (name) : String());
    }
    return ports;
}

void PropertiesVindor::buildSections()
{
    auto loadInt = [] (Value& v, const char* key, int fallback) { v = readInt (key, fallback); };

    {
        dostavniPlac = settings() != nullptr && settings()->getBoolValue ("dostavniplac", false);
        auto* deliveryPlace = new VindorBooleanPropertyComponent (dostavniPlac, TRANS ("Skladisce dostavni"), TRANS ("Prikazi dostavni plac"));
        listenTo (dostavniPlac);

        fontSizeMm = settings() != nullptr ? settings()->getDoubleValue ("fontsize_mm", kFontSizeDefault) : (double) kFontSizeDefault;
        auto* fontSize = new RangeCheckedSliderPropertyComponent (fontSizeMm, TRANS ("Select LogFontsize"), kFontSizeMin, kFontSizeMax, 1);
        listenTo (fontSizeMm);

        auto* style = new VindorChoicePropertyComponent (
            lookAndFeelStyle, TRANS ("Select LookAndFeel"),
            { TRANS ("LookAndFeel_v1"), TRANS ("LookAndFeel_v2"), TRANS ("LookAndFeel_v3"), TRANS ("LookAndFeel_v4") },
            storedValues ({ 1, 2, 3, 4 }));

        auto* background = new PNGFilenameButtonPropertyComponent ("backgroundfile", TRANS ("Background filename"));

        loadInt (artikelSelColor, "artikel_sel_color", 0);
        auto* colour = new VindorColorButtonPropertyComponent (TRANS ("Select selectioncolor"), owner);
        colour->setColour ((uint32) (int) artikelSelColor.getValue());
        colour->getColourButton().value.referTo (artikelSelColor);
        listenTo (artikelSelColor);

        auto* resources = new VindorFolderPropertyComponent ("resourcespath", TRANS ("Programske datoteke"));

        loadInt (loggerMode, "logger_mode", 1);
        auto* logger = new VindorChoicePropertyComponent (
            loggerMode, TRANS ("logger_label"),
            { TRANS ("logger_mode_1"), TRANS ("logger_mode_2"), TRANS ("logger_mode_3") }, storedValues ({ 1, 2, 3 }));
        listenTo (loggerMode);

        loadInt (nqButtons, "nqbuttons", kQuickButtonsDefault);
        auto* quickButtons = new RangeCheckedSliderPropertyComponent (nqButtons, TRANS ("Select nqbuttons"), kQuickButtonsMin, kQuickButtonsMax, 1);
        listenTo (nqButtons);

        panel->addSection (TRANS ("Osnovne nastavitve"),
                           { deliveryPlace, fontSize, style, background, colour, resources, logger, quickButtons }, false);
    }

    {
        loadInt (posPrinterPort, "posprinterport", 0);
        const auto ports = listPrinterPorts();
        Array<var> portValues;
        for (int i = 0; i < ports.size(); ++i)
            portValues.add (i);
        auto* port = new VindorChoicePropertyComponent (posPrinterPort, TRANS ("posprinterport"), ports, portValues);
        listenTo (posPrinterPort);

        panel->addSection (TRANS ("Printer nastavitve"),
                           { new VindorText2PropertyComponent ("printbordertop", TRANS ("PrintBorderTop")),
                             new VindorText2PropertyComponent ("printborderbottom", TRANS ("PrintBorderBottom")),
                             new VindorText2PropertyComponent ("printborderleft", TRANS ("PrintBorderLeft")),
                             new VindorText2PropertyComponent ("printborderright", TRANS ("PrintBorderRight")),
                             port },
                           false);
    }

    panel->addSection (TRANS ("Database"),
                       { new VindorPathPropertyComponent ("dbfilename", TRANS ("Database filename"), true),
                         new BackupButtonPropertyComponent (TRANS ("Database backup")),
                         new RestoreButtonPropertyComponent (TRANS ("Database restore")),
                         new VindorFolderPropertyComponent ("invoicesdir", TRANS ("Invoices")) },
                       false);

    panel->addSection (TRANS ("FURS data"),
                       { new VindorFolderPropertyComponent ("xml_filled_dir", TRANS ("FURS not signed messages dir")),
                         new VindorFolderPropertyComponent ("xml_signed_dir", TRANS ("FURS signed messages dir")),
                         new VindorFolderPropertyComponent ("xml_reply_dir", TRANS ("FURS reply messages dir")),
                         new VindorText2PropertyComponent ("furs_url", TRANS ("FURS server")),
                         new VindorPathPropertyComponent ("trusted_certificates_file", TRANS ("Trusted certificates"), false),
                         new VindorPathPropertyComponent ("CA_signature_check_cert", TRANS ("CA certificate"), false) },
                       false);

    panel->addSection (TRANS ("AJPES data"),
                       { new VindorFolderPropertyComponent ("xml_ajpes_filled_dir", TRANS ("AJPES out messages dir")),
                         new VindorFolderPropertyComponent ("xml_ajpes_reply_dir", TRANS ("AJPES reply messages dir")),
                         new VindorText2PropertyComponent ("ajpes_url", TRANS ("AJPES server")) },
                       false);

    {
        loadInt (sklicMode, "sklic_mode", 1);
        auto* reference = new VindorChoicePropertyComponent (sklicMode, TRANS ("sklic_mode"),
                                                             { TRANS ("sklic_mode_1"), TRANS ("sklic_mode_2") }, storedValues ({ 1, 10 }));
        listenTo (sklicMode);

        loadInt (metodaObracuna, "metoda_obracuna", 1);
        auto* method = new VindorChoicePropertyComponent (metodaObracuna, TRANS ("metoda_obracuna"),
                                                          { TRANS ("metoda_mode_1"), TRANS ("metoda_mode_2") }, storedValues ({ 1, 2 }));
        listenTo (metodaObracuna);

        loadInt (racunKupecPozicija, "racun_kupec_pozicija", 1);
        auto* buyer = new VindorChoicePropertyComponent (racunKupecPozicija, TRANS ("racun_kupec_pozicija"),
                                                         { TRANS ("racun_kupec_desno"), TRANS ("racun_kupec_levo") }, storedValues ({ 1, 10 }));
        listenTo (racunKupecPozicija);

        racunDobavnicaMode = ModeSetting ("racun_dobavnica_mode").load();
        auto* deliveryNote = new VindorChoicePropertyComponent (racunDobavnicaMode, TRANS ("racun_dobavnica_mode"),
                                                                { TRANS ("racun_dobavnica_auto"), TRANS ("racun_dobavnica_manual") },
                                                                storedValues ({ 1, 10 }));
        listenTo (racunDobavnicaMode);

        racunPopustMode = ModeSetting ("racun_popust_mode").load();
        auto* discount = new VindorChoicePropertyComponent (racunPopustMode, TRANS ("racun_popust_mode"),
                                                            { TRANS ("racun_popust_skupnipopust"), TRANS ("racun_popust_rabatpopust") },
                                                            storedValues ({ 1, 10 }));
        listenTo (racunPopustMode);

        panel->addSection (TRANS ("Nastavitve dokumentov"), { reference, method, buyer, deliveryNote, discount }, false);
    }

    panel->addSection (TRANS ("eracun data"),
                       { new VindorFolderPropertyComponent ("xml_eracun_eslog_dir", TRANS ("eracun eslog dir")),
                         new VindorFolderPropertyComponent ("xml_eracun_signed_eslog_dir", TRANS ("eracun eslog signed dir")) },
                       false);

    {
        whiteVariety = new SortaButtonPropertyComponent (TRANS ("Izberi sorto"), TRANS ("Belo brez oznake sorte"), this, 1);
        redVariety = new SortaButtonPropertyComponent (TRANS ("Izberi sorto"), TRANS ("Rdece brez oznake sorte"), this, 2);

        panel->addSection (TRANS ("Dodatno"),
                           { whiteVariety, redVariety,
                             new AnalizaProperty (analizaText, TRANS ("Analiza"), owner),
                             new ModelButtonPropertyComponent (TRANS ("Steklenica"), TRANS ("Edit"), owner),
                             new SpecialTableButtonPropertyComponent (TRANS ("Edit"), TRANS ("Kvaliteta"), "kvaliteta", owner),
                             new DDVTableButtonPropertyComponent (TRANS ("Edit"), TRANS ("ddv_naslov_okna"), "ddv", owner),
                             new DrzavaTableButtonPropertyComponent (TRANS ("Edit"), TRANS ("drzava_naslov_okna"), "drzava", owner, 1),
                             new KlavzuleTableButtonPropertyComponent (TRANS ("Edit"), TRANS ("DDV klavzule"), owner),
                             new SerijaButtonPropertyComponent (TRANS ("Serija"), TRANS ("Edit"), owner, true, false) },
                           false);

        // Showing the stored defaults reports them back here, which writes all four keys: a
        // missing key is present (0 or empty) from now on.
        auto fromSettings = [] (const char* idKey, const char* nameKey)
        {
            SortaRecord r;
            r.id = readInt (idKey, 0);
            if (auto* s = settings())
                r.sorta = s->getValue (nameKey, {});
            return r;
        };
        whiteVariety->setIDN (fromSettings ("belo_brez_oznake_id", "belo_brez_oznake_sorta"));
        redVariety->setIDN (fromSettings ("rdece_brez_oznake_id", "rdece_brez_oznake_sorta"));
    }
}

Value& PropertiesVindor::getSettingValue (const Identifier& key)
{
    static const std::pair<const char*, Value PropertiesVindor::*> keys[] = {
        { "sklic_mode", &PropertiesVindor::sklicMode },
        { "metoda_obracuna", &PropertiesVindor::metodaObracuna },
        { "racun_kupec_pozicija", &PropertiesVindor::racunKupecPozicija },
        { "racun_dobavnica_mode", &PropertiesVindor::racunDobavnicaMode },
        { "racun_popust_mode", &PropertiesVindor::racunPopustMode },
        { "dostavniplac", &PropertiesVindor::dostavniPlac },
        { "fontsize_mm", &PropertiesVindor::fontSizeMm },
        { "artikel_sel_color", &PropertiesVindor::artikelSelColor },
        { "logger_mode", &PropertiesVindor::loggerMode },
        { "posprinterport", &PropertiesVindor::posPrinterPort },
        { "nqbuttons", &PropertiesVindor::nqButtons },
        { "LookAndFeel", &PropertiesVindor::lookAndFeelStyle },
    };
    for (auto& [name, member] : keys)
        if (key == Identifier (name))
            return this->*member;
    jassertfalse;
    return analizaText;
}

void PropertiesVindor::paint (Graphics& g)
{
    static const Colour background = findColour (TabbedComponent::backgroundColourId);
    g.fillAll (background);
}

void PropertiesVindor::resized()
{
    panel->setBounds (getLocalBounds().reduced (4));
}

void PropertiesVindor::valueChanged (Value& v)
{
    const auto same = [&v] (const Value& mine) { return v.refersToSameSourceAs (mine); };

    if (same (racunDobavnicaMode))
        ModeSetting ("racun_dobavnica_mode").store ((int) v.getValue());
    else if (same (racunPopustMode))
        ModeSetting ("racun_popust_mode").store ((int) v.getValue());
    else if (same (racunKupecPozicija))
        store ("racun_kupec_pozicija", (int) v.getValue());
    else if (same (sklicMode))
        store ("sklic_mode", (int) v.getValue());
    else if (same (metodaObracuna))
    {
        const int wanted = (int) v.getValue();
        const int stored = readInt ("metoda_obracuna", 1);
        if (wanted == stored)
            return;
        if (askYesNoCancel (vindoro::kIconWarning, TRANS ("metoda_obracuna"), TRANS ("metoda_obracuna_opozorilo"), this) == 1)
        {
            log ("valueChanged", "nov nacin metoda_obracuna:" + String (wanted));
            store ("metoda_obracuna", wanted);
        }
        else
            metodaObracuna = stored;
    }
    else if (same (dostavniPlac))
        store ("dostavniplac", (bool) v.getValue());
    else if (same (lookAndFeelStyle))
    {
        const int style = (int) v.getValue();
        log ("valueChanged", "Stil " + String (style) + " je bil izbran");
        if (changeLookAndFeel (style))
            store ("LookAndFeel", style);
    }
    else if (same (loggerMode))
    {
        log ("valueChanged", "Logger model " + v.toString() + " je bil izbran");
        store ("logger_mode", (int) v.getValue());
    }
    else if (same (posPrinterPort))
    {
        log ("valueChanged", "POS printer port " + v.toString() + " je bil izbran");
        store ("posprinterport", (int) v.getValue());
    }
    else if (same (fontSizeMm))
    {
        store ("fontsize_mm", (double) (float) (double) v.getValue());
        showMessageOK (vindoro::kIconInformation, TRANS ("Fontsize"), TRANS ("fontsize changed after restart"), this);
    }
    else if (same (artikelSelColor))
        store ("artikel_sel_color", (int) v.getValue());
    else if (same (nqButtons))
        store ("nqbuttons", (int) v.getValue());
}

void PropertiesVindor::setSortaIDN (SortaRecord record, int slot)
{
    SortaListener::setSortaIDN (record, slot);
    if (slot == 1)
    {
        store ("belo_brez_oznake_id", record.id);
        store ("belo_brez_oznake_sorta", record.sorta);
    }
    else if (slot == 2)
    {
        store ("rdece_brez_oznake_id", record.id);
        store ("rdece_brez_oznake_sorta", record.sorta);
    }
}

bool PropertiesVindor::changeLookAndFeel (int style)
{
    std::unique_ptr<LookAndFeel> fresh;
    switch (style)
    {
        case 1: fresh = std::make_unique<LookAndFeel_Vindor>(); break;
        case 2: fresh = std::make_unique<LookAndFeel_V3>(); break;
        case 3: fresh = std::make_unique<LookAndFeel_V2>(); break;
        case 4: fresh = std::make_unique<LookAndFeel_V1>(); break;
        default: break;
    }

    if (fresh == nullptr)
    {
        log ("changeLookAndFeel", "ERROR: napaka pri nastavitvi novega stila");
        return false;
    }

    auto old = std::move (ownedLookAndFeel);
    ownedLookAndFeel = std::move (fresh);
    auto* now = ownedLookAndFeel.get();

    LookAndFeel::setDefaultLookAndFeel (now);
    if (owner != nullptr)
    {
        owner->setLookAndFeel (now);
        for (auto* child : owner->getChildren())
            child->setLookAndFeel (now);
    }

    // The old style goes only when no window, however deep or however it was opened, still
    // draws with it.
    moveComponentsOff (old.get(), now);
    old.reset();

    log ("changeLookAndFeel", "nov stil nastavljen");
    return true;
}

void PropertiesVindor::moveComponentsOff (LookAndFeel* old, LookAndFeel* replacement)
{
    if (old == nullptr)
        return;

    auto& desktop = Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* c = desktop.getComponent (i))
            moveTreeOff (*c, old, replacement);

    // A page or board not (yet) on the screen still counts.
    moveTreeOff (*getTopLevelComponent(), old, replacement);
    if (owner != nullptr)
        moveTreeOff (*owner->getTopLevelComponent(), old, replacement);
}
