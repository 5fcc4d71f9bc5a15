#include "print/gui/Porocilo.h"

#include "cellar/gui/DnevnikSerija.h"
#include "cellar/gui/KletChoicePropertyComponent.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"
#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "print/PorociloPogoj.h"
#include "print/gui/PrintDialog.h"
#include "print/gui/TrgatevPorocilo.h"
#include "print/gui/myPS.h"
#include "warehouse/gui/ArtikelTablePropertyComponent.h"
#include "warehouse/gui/PorociloZalogArtiklov.h"
#include "warehouse/gui/SkladisceChoicePropertyComponent.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/PregledBaze.h"
#include "widgets/VindorChoicePropertyComponent.h"

namespace
{
constexpr int kAllPartyKinds = 31;
constexpr int kSummaryPrintFlag = 128;
constexpr int kReportPrintFlags = 15;
constexpr const char* kStoredDateFormat = "%Y-%m-%d %H:%M:%S";

void log (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("Porocilo::") + method, message);
}

// The list's keys stay literal so the language-file check finds them.
[[maybe_unused]] void declareTranslationKeys()
{
    TRANS ("porocilo_trgatevporocilo_menu_porocila"); TRANS ("porocilo_prijavazalogvina_menu_porocila");
    TRANS ("porocilozalogvina_naslov_porocila"); TRANS ("porocilozalogartiklov_naslov_porocila");
    TRANS ("porocilo_prodajavina_potrgih"); TRANS ("porocilo_dnevnikserija"); TRANS ("porociloprodajeartiklov_menu_porocila");
    TRANS ("porocilodobaveartiklov_menu_porocila"); TRANS ("porociloprodajepokupcu_menu_porocila");
    TRANS ("porociloprodajepodobavitelju_menu_porocila"); TRANS ("obrazec_porociloglavna_menu");
    TRANS ("obrazec_porociloodbitek_ddv_menu"); TRANS ("obrazec_porociloobracun_ddv_menu"); TRANS ("obrazec_ddv_1");
    TRANS ("obrazec_rekapit"); TRANS ("porocilo_davcnaporocilo"); TRANS ("porocilo_davcnaporocilo2");
    TRANS ("porocilofadndenar_menu_porocila"); TRANS ("porocilofadnvino_menu_porocila");
}
} // namespace

const std::vector<Porocilo::Entry>& Porocilo::reportList()
{
    static const std::vector<Entry> list {
        { "porocilo_trgatevporocilo_menu_porocila", 2 }, { "porocilo_prijavazalogvina_menu_porocila", 3 },
        { "porocilozalogvina_naslov_porocila", 4 },      { "porocilozalogartiklov_naslov_porocila", 5 },
        { "porocilo_prodajavina_potrgih", 6 },           { "porocilo_dnevnikserija", 11 },
        { nullptr, kSeparator },                         { "porociloprodajeartiklov_menu_porocila", 7 },
        { "porocilodobaveartiklov_menu_porocila", 8 },   { "porociloprodajepokupcu_menu_porocila", 9 },
        { "porociloprodajepodobavitelju_menu_porocila", 10 }, { nullptr, kSeparator },
        { "obrazec_porociloglavna_menu", 14 },           { "obrazec_porociloodbitek_ddv_menu", 1 },
        { "obrazec_porociloobracun_ddv_menu", 0 },       { nullptr, kSeparator },
        { "obrazec_ddv_1", 15 },                         { "obrazec_rekapit", 16 },
        { nullptr, kSeparator },                         { "porocilo_davcnaporocilo", 12 },
        { "porocilo_davcnaporocilo2", 13 },              { nullptr, kSeparator },
        { "porocilofadndenar_menu_porocila", 17 },       { "porocilofadnvino_menu_porocila", 18 },
    };
    return list;
}

juce::String Porocilo::nextDayStart (juce::Time day)
{
    // From noon, a day later is the next calendar day even across a 23- or 25-hour day.
    const juce::Time noon (day.getYear(), day.getMonth(), day.getDayOfMonth(), 12, 0);
    return (noon + juce::RelativeTime::days (1)).formatted ("%Y-%m-%d") + " 00:00:00";
}

Porocilo::Porocilo()
    : StrankaListener (1)
{
    log ("Porocilo", "entering");
    {
        juce::Label scratch;
        labelFontHeight = (int) getLookAndFeel().getLabelFont (scratch).getHeight();
    }

    auto* props = getUserSettings();
    reportTip = props != nullptr ? props->getIntValue ("Porocilo:tip", 0) : 0;
    if (reportTip < 0 || reportTip > kLastReportId)
        reportTip = 0;
    createReport (reportTip);
    setName ("Porocilo");

    tipValue = reportTip;
    juce::StringArray texts;
    juce::Array<juce::var> values;
    for (const auto& entry : reportList())
    {
        texts.add (entry.key != nullptr ? juce::translate (entry.key) : juce::String());
        values.add (entry.id);
    }
    tipChoice = new VindorChoicePropertyComponent (tipValue, TRANS ("tippregleda"), texts, values);
    panel.addSection ({}, { tipChoice }, true);

    useCalendarValue = props != nullptr ? props->getBoolValue ("Porocilo:usecalendar", true) : true;
    const juce::String storedStart = props != nullptr ? props->getValue ("Porocilo:startdate", {}) : juce::String();
    const juce::String storedEnd = props != nullptr ? props->getValue ("Porocilo:enddate", {}) : juce::String();
    startCalendar = new CalendarButtonPropertyComponent (TRANS ("Start date"), this, 1);
    startCalendar->setDateText (storedStart);
    log ("Porocilo", juce::String::formatted ("nalagam startdate:%s edit is %s", storedStart.toRawUTF8(), "disabled"));
    log ("Porocilo", "nalozeno startdate:" + startCalendar->getDateTime().toString());
    endCalendar = new CalendarButtonPropertyComponent (TRANS ("End date"), this, 2);
    endCalendar->setDateText (storedEnd);
    panel.addSection (TRANS ("usecalendar"), { startCalendar, endCalendar }, (bool) useCalendarValue.getValue());

    serijaButton = new SerijaButtonPropertyComponent (TRANS ("Izberi serijo"), TRANS ("Serija"), this, false, false);
    strankaButton = new StrankaButtonPropertyComponent (kAllPartyKinds, TRANS ("racunpregled_nidoloceno"), TRANS ("Stranka"), this);
    artikelButton = new ArtikelTablePropertyComponent (TRANS ("racunpregled_nidoloceno"), TRANS ("racunpregled_steklenica"), this);
    skladisceChoice = SkladisceChoicePropertyComponent::loadAndCreate (skladisceValue, TRANS ("Skladisce"));
    kletChoice = KletChoicePropertyComponent::loadAndCreate (kletValue, TRANS ("Klet"));
    panel.addSection ({}, { serijaButton, strankaButton, artikelButton, skladisceChoice, kletChoice }, true);
    addAndMakeVisible (panel);

    auto* prepare = buttons.add (new juce::TextButton (TRANS ("PripraviPorocilo")));
    prepare->addListener (this);
    addAndMakeVisible (prepare);
    buttonActions.add (kPrepareAction);
    buttonWindows.add (KWindowRef());

    tipValue.addListener (this);
    skladisceValue.addListener (this);
    kletValue.addListener (this);
    setSize (800, 800);
    log ("Porocilo", "exiting");
    updateConditionRows();
}

Porocilo::~Porocilo()
{
    tipValue.removeListener (this);
    skladisceValue.removeListener (this);
    kletValue.removeListener (this);
    report.reset();
    buttons.clear();
}

PorociloPogoj* Porocilo::getPogoj() const
{
    return dynamic_cast<PorociloPogoj*> (report.get());
}

std::unique_ptr<PregledBaze> Porocilo::makeReport (int id)
{
    switch (id)
    {
        case 2: return std::make_unique<TrgatevPorocilo>();
        case 5: return std::make_unique<PorociloZalogArtiklov>();
        case 11: return createDnevnikSerija();
        default: break;
    }
    log ("createReport", kUnknownReport + juce::String (id));
    return nullptr;
}

void Porocilo::createReport (int id)
{
    log ("createReport", "Entering tip:" + juce::String (id));
    const bool replacing = report != nullptr;
    juce::Rectangle<int> oldBounds;
    if (replacing)
    {
        oldBounds = report->getBounds();
        removeChildComponent (report.get());
        report.reset();
    }
    report = makeReport (id);
    if (report != nullptr)
    {
        addAndMakeVisible (*report);
        updateConditionRows();
        if (replacing)
        {
            clearReport();
            report->setBounds (oldBounds);
        }
        else
        {
            report->setBounds (reportBounds);
        }
    }
    log ("createReport", "done");
    repaint();
}

void Porocilo::updateConditionRows()
{
    auto* p = getPogoj();
    if (p == nullptr)
        return;
    auto enable = [] (juce::PropertyComponent* row, bool on)
    {
        if (row != nullptr)
            row->setEnabled (on);
    };
    enable (startCalendar, p->usesStartDate());
    enable (endCalendar, p->usesEndDate());
    enable (serijaButton, p->usesSerija());
    enable (artikelButton, p->usesArtikel());
    enable (skladisceChoice, p->usesSkladisce());
    enable (kletChoice, p->usesKlet());
    if (strankaButton != nullptr)
    {
        if (p->usesStranka())
        {
            strankaButton->setMask (p->getStrankaTip());
            strankaButton->setName (p->getStrankaNaslov());
            strankaButton->setEnabled (true);
            strankaButton->repaint();
        }
        else
        {
            strankaButton->setEnabled (false);
        }
    }
}

bool Porocilo::dateSectionOpen() const
{
    return panel.isSectionOpen (0);
}

void Porocilo::reload()
{
    if (report == nullptr)
        createReport (reportTip);
    if (report == nullptr || panel.getTitledSection (0) == nullptr)
        return;

    if (auto* p = getPogoj(); p != nullptr && dateSectionOpen())
    {
        p->clearConditions();
        p->setLimit (-1);
        log ("reload", "using calendars");
        useCalendarValue = true;
        if (p->usesStartDate())
            p->setStartDate (startCalendar->getDateTime().toSqlDayStart());
        if (p->usesEndDate())
            p->setEndDate (nextDayStart (endCalendar->getDateTime().time));
        if (p->usesSerija())
            if (auto* l = dynamic_cast<SerijaListener*> (report.get()))
                l->setSerijaIDN (getSerija(), 1);
        if (p->usesStranka())
            if (auto* l = dynamic_cast<StrankaListener*> (report.get()))
                l->setStrankaIDN (getStranka (1), 1);
        if (p->usesSkladisce())
            if (auto* l = dynamic_cast<SkladisceListener*> (report.get()))
                l->setSkladisceIDN (getSkladisce(), 1);
        if (p->usesKlet())
            if (auto* l = dynamic_cast<KletListener*> (report.get()))
                l->setKletIDN (getKlet(), 1);
    }

    report->setThreadedQuery (true);
    report->reloadData();
    report->setThreadedQuery (false);
    report->setBounds (reportBounds);
    repaint();
}

void Porocilo::clearReport()
{
    if (report == nullptr)
        createReport (reportTip);
    if (report == nullptr || ! dateSectionOpen())
        return;
    if (auto* p = getPogoj())
    {
        p->clearConditions();
        p->setLimit (0);
    }
    report->reloadData();
    report->setBounds (reportBounds);
    repaint();
}

void Porocilo::updateTableContent()
{
    log ("updateTableContent", "updating table content");
    repaint();
}

void Porocilo::buttonClicked (juce::Button* button)
{
    if (auto* child = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        child->toFront (true);
        return;
    }
    for (int i = 0; i < buttonWindows.size(); ++i)
        if (buttonWindows[i].get() != nullptr)
        {
            log ("buttonClicked", juce::String::formatted ("okno %s je se odprto", buttons[i]->getButtonText().toRawUTF8()));
            return;
        }
    const int index = buttons.indexOf (dynamic_cast<juce::TextButton*> (button));
    if (index < 0)
    {
        log ("buttonClicked", "FATAL ERROR: buttons index -1");
        return;
    }
    if (buttonActions[index] == kPrepareAction)
    {
        reload();
        updateTableContent();
    }
}

void Porocilo::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (tipValue))
    {
        if (const int id = (int) tipValue.getValue(); id != reportTip)
        {
            reportTip = id;
            createReport (reportTip);
        }
    }
    else if (value.refersToSameSourceAs (skladisceValue))
    {
        if (skladisceChoice != nullptr)
            setSkladisceIDN (skladisceChoice->getSkladisce(), 1);
    }
    else if (value.refersToSameSourceAs (kletValue))
    {
        if (kletChoice != nullptr)
            setKletIDN (kletChoice->getKlet(), 1);
    }
}

void Porocilo::setSerijaIDN (SerijaRecord batch, int slot)
{
    SerijaListener::setSerijaIDN (batch, slot);
    if (auto* l = dynamic_cast<SerijaListener*> (report.get()))
        l->setSerijaIDN (getSerija(), 1);
    clearReport();
}

void Porocilo::setStrankaIDN (StrankaRecord party, int slot)
{
    StrankaListener::setStrankaIDN (party, slot);
    if (auto* l = dynamic_cast<StrankaListener*> (report.get()))
        l->setStrankaIDN (getStranka (1), 1);
    clearReport();
}

void Porocilo::setArtikelIDN (ArtikelRecord article, int slot)
{
    ArtikelListener::setArtikelIDN (article, slot);
    if (auto* l = dynamic_cast<ArtikelListener*> (report.get()))
        l->setArtikelIDN (getArtikel(), 1);
    clearReport();
}

bool Porocilo::buttonAction (int code)
{
    switch (code)
    {
        case ButtonCode::cancel:
            return cancelAction();
        case ButtonCode::ok:
            return okAction();
        case ButtonCode::print:
        {
            if (report == nullptr)
                return true;
            const bool result = printAction();
            doneFlag = false;
            return result;
        }
        case ButtonCode::exportTable:
        {
            if (report == nullptr)
                return true;
            doneFlag = false;
            if (report->hasGroupExport())
            {
                const int answer = askYesNoCancel (1, TRANS ("Export"), TRANS ("porocilo_exportaction_askforgroupexport"), this);
                if (answer == 0)
                    return true;
                if (answer == 1)
                {
                    log ("buttonAction", "Uporabnik je izbral groupExportAction");
                    report->groupExport();
                    return true;
                }
            }
            return report->exportAction();
        }
        default:
            break;
    }
    log ("buttonAction", "PAZI ta gumb nima nobene povezave. Preveri ce imas tipkasko napako ali naredi nov buttonAction");
    return false;
}

bool Porocilo::okAction()
{
    log ("okAction", "sem tukaj");
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool Porocilo::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool Porocilo::printAction()
{
    if (report == nullptr)
        return true;
    if (currentChild.get() != nullptr)
    {
        log ("printAction", "print okno je se odprto");
        return true;
    }
    const int flags = report->hasZbirnik() ? kReportPrintFlags + kSummaryPrintFlag : kReportPrintFlags;
    const auto& layoutSettings = report->getPrintLayout().layoutSettings;
    if (openPrintDialog (this, flags, layoutSettings.getPrefix()) != nullptr)
    {
        log ("printAction", "tukaj");
        if (auto* dialog = getPrintDialog())
        {
            auto& s = dialog->getSettings();
            s.setValue ("title", "report");
            s.setValue ("printname", "report");
            s.setValue ("headerstyle", 2);
            s.update (layoutSettings);
            s.loadUserSettings();
        }
        log ("printAction", "potem tukaj");
    }
    return true;
}

bool Porocilo::printAction (VindorPrintSettings* settings)
{
    if (report == nullptr)
    {
        log ("printAction", "ERROR: ni tabele");
        return false;
    }
    if (settings == nullptr)
    {
        errorMessage = TRANS ("Printer not OK!");
        return false;
    }
    if (auto* p = getPogoj(); p != nullptr && p->printsOwnForm())
    {
        log ("printAction", "koncno tukaj");
        const bool printed = report->printAction (settings);
        errorMessage = report->errorMessage;
        doneFlag = false;
        return printed;
    }

    const int copies = settings->getCopies();
    std::unique_ptr<myPS> job (myPS::initPS (*settings));
    if (job == nullptr)
    {
        errorMessage = TRANS ("Printer not OK!");
        return false;
    }
    const int printed = printCopies (*job, *settings, copies);
    const bool delivered = job->save ({});
    job.reset();
    doneFlag = false;
    if (printed > 0 && delivered)
        return true;
    errorMessage = TRANS ("Print_Error_01");
    return false;
}

int Porocilo::printCopies (myPrint& job, VindorPrintSettings& settings, int copies)
{
    const auto area = job.getPageArea (true);
    int pages = printReport (area, job, settings, nullptr, -1);
    int printed = 0;
    if (pages >= 1)
    {
        job.setNumberOfPages (pages * copies);
        for (int copy = 0; copy < copies; ++copy)
        {
            if (copy > 0)
                job.newPage (printed);
            pages = printReport (area, job, settings, &job, pages);
            printed += pages;
        }
    }
    return printed;
}

int Porocilo::printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                           int totalPages)
{
    if (report == nullptr)
    {
        log ("printReport", "ERROR: ni tabele");
        return 0;
    }
    VindorPrintSettings s (settings);
    juce::Font font (12.0f);
    bool tableDone = ! report->printsTable();
    bool statsDone = ! report->printsStats();
    int statsIndex = -1;
    bool headerDone = false;

    juce::String title;
    if (auto* p = getPogoj())
        title = p->getNaslov();
    else
        for (const auto& entry : reportList())
            if (entry.id == reportTip && entry.key != nullptr)
                title = juce::translate (entry.key);

    int page = 0;
    for (;; ++page)
    {
        if (page >= myPrint::kMaxPagesPerJob)
        {
            log ("printReport", "ERROR: the report does not end within the pages of one job");
            break;
        }
        if (page > 0 && output != nullptr)
        {
            log ("printReport", juce::String::formatted ("starting a new page %d", page));
            output->newPage (page);
        }
        auto a = area;
        auto footer = a.removeFromBottom ((int) (a.getHeight() * 0.05));
        printer.printFooter (output, font, footer, &printer, page + 1, totalPages);

        if (! headerDone)
        {
            if (! printer.printHeader (output, font, a, &printer))
                continue;
            headerDone = true;
        }
        if (page == 0 && ! printer.printTitle (output, font, a, &printer, title + "\n\n"))
            continue;

        if (! tableDone)
        {
            font.setHeight (s.getFloat ("fontsizetable"));
            const int count = page == 0 ? report->printTableInit (output, a, font, s)
                                        : report->printTableResize (output, a, font, page, s);
            if (page < count || count == 0)
            {
                int usedBottom = a.getY();
                report->printTablePage (output, a, page, usedBottom, s);
                a.setTop (juce::jlimit (a.getY(), a.getBottom(), usedBottom));
            }
            tableDone = report->getNumRows() == 0 || count == 0 || count == page + 1;
            if (! tableDone)
                continue;
        }
        if (! statsDone)
        {
            font.setHeight (11.0f);
            if (statsIndex < 0)
                report->printTableInit (output, a, font, s);
            int usedBottom = a.getY();
            statsIndex = report->printTableStats (output, a, statsIndex, usedBottom);
            a.setTop (juce::jlimit (a.getY(), a.getBottom(), usedBottom));
            if (statsIndex != 0)
                continue;
            statsDone = true;
        }
        if (! printer.printKrajUporabnik (output, font, a, &printer, TRANS ("Porocilo pripravil")))
            continue;
        break;
    }
    return page + 1;
}

void Porocilo::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (auto* child = currentChild.get(); child != nullptr && source == child)
    {
        if (child->getExitValue() != ButtonCode::cancel)
        {
            clearReport();
            updateTableContent();
        }
        currentChild = nullptr;
        return;
    }
    log ("changeListenerCallback", "sem tukaj");
    for (int i = 0; i < buttonWindows.size(); ++i)
        if (buttonWindows[i].get() != nullptr && source == buttonWindows[i].get())
        {
            log ("changeListenerCallback", juce::String::formatted ("index at:%d", buttonActions[i]));
            return;
        }
    log ("changeListenerCallback", "FATAL ERROR: kwindows index -1");
}

void Porocilo::prepareToClose()
{
    auto* props = getUserSettings();
    if (props == nullptr)
        return;
    // The section's state as the user left it, so a closed date section stays closed.
    useCalendarValue = dateSectionOpen();
    props->setValue ("Porocilo:usecalendar", (bool) useCalendarValue.getValue());
    props->setValue ("Porocilo:startdate", startCalendar->getDateTime().time.formatted (kStoredDateFormat));
    props->setValue ("Porocilo:enddate", endCalendar->getDateTime().time.formatted (kStoredDateFormat));
    props->setValue ("Porocilo:tip", reportTip);
}

void Porocilo::resized()
{
    log ("resized", "inside");
    auto bounds = getLocalBounds();
    bounds = { bounds.getX() + 8, bounds.getY() + 8, juce::jmax (0, bounds.getWidth() - 16), juce::jmax (0, bounds.getHeight() - 16) };
    auto reportArea = bounds.removeFromRight ((int) (bounds.getWidth() * 0.8));
    auto left = bounds;
    panelBounds = left.removeFromTop (juce::jmin (panel.getTotalContentHeight(), (int) (left.getHeight() * 0.7)));
    freeArea = left;
    reportArea.removeFromTop (2 * labelFontHeight);
    reportBounds = reportArea;

    panel.setBounds (panelBounds);
    if (report != nullptr)
        report->setBounds (reportBounds);
    const int rowHeight = defaultRowHeight();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds (freeArea.getX() + 2, freeArea.getY() + 2 + i * (rowHeight + 2), juce::jmax (0, freeArea.getWidth() - 4),
                               juce::jmax (0, rowHeight - 2));
}

void Porocilo::paintOverChildren (juce::Graphics& g)
{
    auto* p = getPogoj();
    if (p == nullptr)
        return;
    const juce::Rectangle<int> strip (reportBounds.getX(), reportBounds.getY() - 2 * labelFontHeight, reportBounds.getWidth(),
                                      2 * labelFontHeight);
    g.setColour (findColour (juce::Label::textColourId));
    g.setFont (g.getCurrentFont().withHeight ((float) labelFontHeight));
    g.drawText (p->getNaslov(), strip, juce::Justification::centred, true);
}
