// The agent register and the treatment and analysis rows under a real X server, driven by
// clicks: an agent picked or added through a treatment row reaches its owner's slot, the agent
// dialogs keep an agent's kinds and refuse a blank label, a deleted agent is only switched off,
// the analysis rows offer their units, and the settings row opens the analyses. The agent dialog
// and the analyses browser are painted to /tmp for a look by eye.
#include "frame/LookAndFeel_Vindor.h"
#include "operations/SredstvoListener.h"
#include "operations/gui/AddSredstvo.h"
#include "operations/gui/AnalizaProperty.h"
#include "operations/gui/AnalizaRows.h"
#include "operations/gui/EditSredstvo.h"
#include "operations/gui/PregledBazeAnaliza.h"
#include "operations/gui/PregledBazeSredstvo.h"
#include "operations/gui/SredstvoValButton.h"
#include "operations/gui/TreatmentRows.h"
#include "partners/gui/PartnerWindows.h"
#include "support/FaultInjection.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "widgets/ValUnitPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

using namespace ptest;

namespace
{
// An operation window's stand-in: nine agent slots and a panel holding the rows under test.
class OperationForm : public juce::Component,
                      public SredstvoListener
{
public:
    OperationForm() : SredstvoListener (9)
    {
        addAndMakeVisible (panel);
        setSize (600, 700);
    }
    void resized() override { panel.setBounds (getLocalBounds()); }
    void setSredstvoIDN (SredstvoRecord agent, int slot) override
    {
        SredstvoListener::setSredstvoIDN (agent, slot);
        picks.add (juce::String (slot) + ":" + agent.oznaka);
    }
    VindorPropertyPanel panel { this };
    juce::StringArray picks;
};

class AgentWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (1,'Sest','',6,1),"
                                               "(2,'Stiri','Kalijev metabisulfit',4,1),(3,'Dva','',2,1),(4,'Brez','',NULL,1),"
                                               "(5,'Staro','',4,0),(6,'Zascita','',144,1)"));
    }
    void TearDown() override
    {
        closeAllWindows();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }
    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }

    vtest::FreshDatabase db;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};

/** Something was drawn: not every pixel has the colour of the first. */
bool hasTwoColours (const juce::Image& image)
{
    const auto first = image.getPixelAt (0, 0);
    for (int y = 0; y < image.getHeight(); y += 3)
        for (int x = 0; x < image.getWidth(); x += 3)
            if (image.getPixelAt (x, y) != first)
                return true;
    return false;
}

template <typename T>
T* rowOf (juce::Array<juce::PropertyComponent*>& rows, int index)
{
    return dynamic_cast<T*> (rows[index]);
}
} // namespace

TEST_F (AgentWindows, AYeastRowPicksFromItsKindAndAnAddedAgentBecomesTheChoice)
{
    OperationForm form;
    KvasovkeValues values;
    juce::Value agentText;
    auto panelRows = createTreatmentProperties (values, agentText, &form);
    ASSERT_EQ (panelRows.size(), 2);
    auto* picker = rowOf<SredstvoValButton> (panelRows, 0);
    ASSERT_NE (picker, nullptr);
    EXPECT_NE (rowOf<ValUnitPropertyComponent> (panelRows, 1), nullptr);
    EXPECT_EQ (picker->getName(), TRANS ("kvasovke_sredstvo"));
    form.panel.addProperties (panelRows);
    form.setVisible (true);
    pump();

    clickButtonOf (*picker);
    auto* window = childOf (*picker);
    auto* browser = contentOf<PregledBazeSredstvo> (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getKindMask(), 4);
    EXPECT_EQ (columnOf (*browser, "oznaka"), juce::StringArray ({ "Sest", "Stiri" }));   // not tip 2, NULL or inactive
    window->setSize (600, 300);
    pump();
    clickRow (*browser, 1);
    EXPECT_EQ (agentText.toString(), "Stiri(Kalijev me...)");
    EXPECT_EQ (form.getSredstvo (3).id, 2);
    EXPECT_EQ (childOf (*picker), nullptr);

    clickButtonOf (*picker);
    press (childOf (*picker), TRANS ("Editing"));
    auto* editing = childOf (*picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_EQ (buttonsOf (editing), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Save"), TRANS ("Edit"), TRANS ("Delete"),
                                                         TRANS ("Insert") }));
    press (editing, TRANS ("Insert"));
    auto* editBrowser = contentOf<PregledBazeSredstvo> (editing);
    ASSERT_NE (editBrowser, nullptr);
    auto* dialogWindow = childOf (*editBrowser);
    ASSERT_NE (dialogWindow, nullptr);
    EXPECT_EQ (dialogWindow->getTitle(), TRANS ("Dodaj Sredstvo"));
    auto* dialog = contentOf<AddSredstvo> (dialogWindow);
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getTip(), 4);   // the yeast box, from the browser's kind
    dialog->getOznakaValue() = "Lalvin";
    dialog->getOpisValue() = "EC-1118";
    press (dialogWindow, TRANS ("Insert"));
    pump (100);
    EXPECT_EQ (rows ("SELECT oznaka,opis,tip,active FROM sredstvo WHERE oznaka='Lalvin'"), juce::StringArray ({ "Lalvin|EC-1118|4|1" }));
    EXPECT_EQ (agentText.toString(), "Lalvin(EC-1118)");
    EXPECT_EQ (form.getSredstvo (3).oznaka, "Lalvin");
    EXPECT_EQ (form.picks, juce::StringArray ({ "3:Stiri", "3:Lalvin" }));
    EXPECT_EQ (childOf (*picker), nullptr);
    pump (100);
    EXPECT_EQ (openWindows(), 0);
}

TEST_F (AgentWindows, EditingFromOneKindKeepsTheAgentsOtherKinds)
{
    PregledBazeSredstvo browser (16, true);
    browser.setSize (600, 300);
    ASSERT_EQ (columnOf (browser, "oznaka"), juce::StringArray ({ "Zascita" }));
    EXPECT_FALSE (browser.editAction());
    EXPECT_EQ (browser.errorMessage, TRANS ("ni izbrane sredstvo"));
    browser.getTable().selectRow (0);
    ASSERT_TRUE (browser.editAction());
    auto* window = dynamic_cast<VindorWindow*> (browser.getEditDialog());
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("Uredi Sredstvo"));
    auto* dialog = contentOf<EditSredstvo> (window);
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getTip(), 144);
    EXPECT_TRUE ((bool) dialog->getTipValue (7).getValue());
    ASSERT_TRUE (dialog->okAction()) << dialog->errorMessage;
    EXPECT_EQ (rows ("SELECT tip FROM sredstvo WHERE id=6"), juce::StringArray ({ "144" }));
    pump (100);
    PregledBazeSredstvo stabilisers (128, false);
    EXPECT_EQ (columnOf (stabilisers, "oznaka"), juce::StringArray ({ "Zascita" }));
}

TEST_F (AgentWindows, BothDialogsRefuseALabelOfBlanks)
{
    auto add = std::make_unique<AddSredstvo> (nullptr, 1);
    add->getOznakaValue() = "   ";
    EXPECT_FALSE (add->okAction());
    EXPECT_EQ (add->errorMessage, TRANS ("sredstvo_oznaka_nipodana"));

    juce::XmlElement row ("ITEM");
    row.setAttribute ("id", 3);
    row.setAttribute ("oznaka", "Dva");
    row.setAttribute ("tip", 2);
    auto edit = std::make_unique<EditSredstvo> (&row, 2);
    edit->getOznakaValue() = " ";
    EXPECT_FALSE (edit->okAction());
    EXPECT_EQ (edit->errorMessage, TRANS ("sredstvo_oznaka_nipodana"));
    EXPECT_EQ (rows ("SELECT count(*) FROM sredstvo WHERE trim(oznaka)=''"), juce::StringArray ({ "0" }));
    EXPECT_EQ (rows ("SELECT oznaka FROM sredstvo WHERE id=3"), juce::StringArray ({ "Dva" }));
}

TEST_F (AgentWindows, ADeletedAgentKeepsItsRowSwitchedOff)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO kvasovke(glavna,sredstvo,kolicina,e_kolicina,volumen,active) VALUES (1,1,1,1,1,1)"));
    PregledBazeSredstvo browser (4, true);
    browser.setSize (600, 300);
    browser.getTable().selectRow (columnOf (browser, "oznaka").indexOf ("Sest"));
    answers.then (1);
    EXPECT_TRUE (browser.deleteAction());
    EXPECT_EQ (rows ("SELECT oznaka,active FROM sredstvo WHERE id=1"), juce::StringArray ({ "Sest|0" }));
    EXPECT_EQ (rows ("SELECT sredstvo FROM kvasovke"), juce::StringArray ({ "1" }));
    browser.reloadData();
    EXPECT_EQ (columnOf (browser, "oznaka"), juce::StringArray ({ "Stiri" }));
}

TEST_F (AgentWindows, MacerationRowsAndFiltrationRows)
{
    OperationForm form;
    MaceracijaValues maceration;
    FiltracijaValues filtration;
    juce::Value a, b;
    auto mRows = createTreatmentProperties (maceration, a, &form);
    auto fRows = createTreatmentProperties (filtration, b, &form);
    ASSERT_EQ (mRows.size(), 3);
    ASSERT_EQ (fRows.size(), 2);
    EXPECT_EQ (rowOf<SredstvoValButton> (mRows, 0)->getKindMask(), 256);
    EXPECT_EQ (rowOf<SredstvoValButton> (mRows, 0)->getSlot(), 9);
    EXPECT_EQ (rowOf<SredstvoValButton> (fRows, 0)->getSlot(), 6);
    EXPECT_EQ (fRows[1]->getName(), TRANS ("filtracija_opis"));
    EXPECT_EQ (mRows[2]->getName(), TRANS ("maceracija_opis"));
    form.panel.addProperties (mRows);
    form.panel.addProperties (fRows);
}

TEST_F (AgentWindows, TheAnalysisRowsOfferTheUnitsOfTheirMeasure)
{
    AnalizaValues values;
    values.e_alkohol = 16;
    OperationForm form;
    auto panelRows = createAnalizaProperties (values, &form);
    ASSERT_EQ (panelRows.size(), 17);
    juce::StringArray names;
    for (auto* r : panelRows)
        names.add (r->getName());
    EXPECT_EQ (names[0], TRANS ("analiza_gostota"));
    EXPECT_EQ (names[16], TRANS ("analiza_datumodlocba"));
    auto* alcohol = rowOf<ValUnitPropertyComponent> (panelRows, 1);
    ASSERT_NE (alcohol, nullptr);
    auto& combo = alcohol->getComboBox();
    juce::StringArray offered;
    for (int i = 0; i < combo.getNumItems(); ++i)
        offered.add (combo.getItemText (i));
    // the units whose quantity kinds share a bit with 45
    EXPECT_EQ (offered, juce::StringArray ({ "g/l", "mg/l", "g/hl", "ml/l", "ml/hl", "%", "vol %", "g/cm3", "kg/m3", "mmol/l", "mg/kg" }));
    EXPECT_EQ (combo.getText(), "vol %");   // the remembered unit
    EXPECT_EQ (rowOf<ValUnitPropertyComponent> (panelRows, 9), nullptr);   // pH has no unit
    form.panel.addSection (TRANS ("Analize"), panelRows, true);
    form.setVisible (true);
    pump();

    // The person picks another unit with the mouse: the holder takes its id.
    combo.setSelectedItemIndex (offered.indexOf ("%"), juce::sendNotificationSync);
    EXPECT_EQ ((int) values.e_alkohol.getValue(), 15);
    auto* density = rowOf<ValUnitPropertyComponent> (panelRows, 0);
    juce::StringArray densityUnits;
    for (int i = 0; i < density->getComboBox().getNumItems(); ++i)
        densityUnits.add (density->getComboBox().getItemText (i));
    EXPECT_TRUE (densityUnits.contains ("g/cm3"));
    EXPECT_FALSE (densityUnits.contains ("vol %"));
}

TEST_F (AgentWindows, TheSettingsRowOpensTheAnalysesFilteredByItsText)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO analiza(id,glavna,alkohol,e_alkohol,ph,odlocba,active) VALUES"
                                           " (1,1,12.5,16,3.4,'Odlocba 2018/1',1),(2,1,11,16,3,'2017',1)"));
    juce::Component page;
    page.setSize (500, 100);
    juce::Value filter (juce::String ("2018"));
    auto row = std::make_unique<AnalizaProperty> (filter, TRANS ("Analiza"), &page);
    page.addAndMakeVisible (*row);
    row->setBounds (0, 0, 500, row->getPreferredHeight());
    EXPECT_EQ (row->getButtonText(), TRANS ("Analiza_Login"));
    clickButtonOf (*row);
    auto* window = childOf (*row);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("Analiza_Main"));
    auto* browser = contentOf<PregledBazeAnaliza> (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getNumRows(), 1);
    EXPECT_EQ (buttonsOf (window), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Export"), TRANS ("Print") }));
    clickButtonOf (*row);   // the open browser only comes to the front
    EXPECT_EQ (childOf (*row), window);
    press (window, TRANS ("Close"));
    EXPECT_EQ (childOf (*row), nullptr);
}

TEST_F (AgentWindows, TheAgentDialogAndTheAnalysesBrowserArePainted)
{
    LookAndFeel_Vindor vindorLook;
    juce::LookAndFeel::setDefaultLookAndFeel (&vindorLook);
    ASSERT_TRUE (vtest::execOn (db.file(),
        "INSERT INTO klet(id,ime) VALUES (1,'Klet');INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (5,1,1000,'A');"
        "INSERT INTO vino(id,letnik,sorta) VALUES (7,2016,1);"
        "INSERT INTO glavna(id,opravilo,datum,dt,stranka,host) VALUES (10,6,'2018-04-01 10:00:00','2018-04-01 10:00:00',1,1);"
        "INSERT INTO pretok(glavna,posoda,vino,smer,volumen) VALUES (10,5,7,1,100);"
        "INSERT INTO analiza(id,glavna,alkohol,e_alkohol,gostota,e_gostota,ph,odlocba,datumodlocba,active) VALUES"
        " (1,10,12.5,16,0.9945,20,3.4,'Odlocba 2018/1','2018-04-02',1)"));
    {
        juce::XmlElement row ("ITEM");
        row.setAttribute ("id", 6);
        row.setAttribute ("oznaka", "Zascita");
        row.setAttribute ("opis", "Kalijev metabisulfit");
        row.setAttribute ("tip", 144);
        EditSredstvo dialog (&row, 16);
        dialog.setSize (400, 420);
        const auto image = wtest::snapshot (dialog);
        EXPECT_TRUE (wtest::writePng (image, "/tmp/vindoro-agent-dialog.png"));
        EXPECT_TRUE (hasTwoColours (image));
    }
    {
        PregledBazeAnaliza browser;
        browser.setSize (1200, 200);
        const auto image = wtest::snapshot (browser);
        EXPECT_TRUE (wtest::writePng (image, "/tmp/vindoro-analyses.png"));
        EXPECT_TRUE (hasTwoColours (image));
    }
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}
