#include "invoices/RacunSklic.h"

#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "partners/PaymentReference.h"

#include <memory>

juce::String getRacunSklic (int racunId, SqlitetoXml* db)
{
    std::unique_ptr<SQLtoXml> own;
    if (db == nullptr)
    {
        own = std::make_unique<SQLtoXml>();
        db = own.get();
    }
    // Fetched into a tree of our own, so a caller that walks its query object's rows keeps them.
    // The label column is not read: the reference is built from the marks and the number, and
    // the oldest databases that this runs on have no label yet.
    auto tree = db->sqlFetch (
        "SELECT r.tip AS tip,r.leto AS leto,pp.oznakapp AS oznakapp,b.oznaka AS blagajna,r.zaporedna AS zaporedna "
        "FROM racun AS r LEFT JOIN fubprem AS pp ON pp.id=r.fubprem LEFT JOIN blagajna AS b ON b.id=r.blagajna WHERE r.id="
        + juce::String (racunId));
    const juce::XmlElement* row = nullptr;
    if (tree != nullptr)
        if (auto* data = tree->getChildByName ("DATA"))
            row = data->getFirstChildElement();

    const int year = row != nullptr ? row->getStringAttribute ("leto").getIntValue() : 0;
    const int number = row != nullptr ? row->getStringAttribute ("zaporedna").getIntValue() : 0;
    const juce::String premise = row != nullptr ? row->getStringAttribute ("oznakapp") : juce::String();
    const juce::String register_ = row != nullptr ? row->getStringAttribute ("blagajna") : juce::String();

    const int mode = getUserSettings() != nullptr ? getUserSettings()->getIntValue ("sklic_mode", 1) : 1;
    if (mode == 1)
        return makeReferenceSI00 (year, number);
    if (mode == 10)
        return makeReferenceRF ((premise + "-" + register_ + "-" + juce::String (number)).substring (0, 19));
    return "Ne obstaja tak tip sklica!";
}
