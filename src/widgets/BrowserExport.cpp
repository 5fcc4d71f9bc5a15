#include "widgets/BrowserExport.h"

#include "core/Log.h"
#include "core/myIconv.h"
#include "frame/MessageBoxes.h"
#include "widgets/PregledBaze.h"

using vindoro::vlog;

int BrowserExport::toText (const juce::File& file, int codePage, const juce::String& separator,
                           const juce::String& lineEnd, const juce::String& emptyCellText, bool withHeader)
{
    browser.exportChangedRows = 0;
    // The arguments are checked before an existing file is touched.
    if (codePage != 1)
    {
        vlog ("PregledBaze::exportToText", "ERROR: no codepage specified");
        return -2;
    }
    myIconv converter ("CP1250", "UTF-8");
    if (! converter.isOpen())
    {
        vlog ("PregledBaze::exportToText", "ERROR: no codepage specified");
        return -2;
    }

    file.deleteFile();
    vlog ("PregledBaze::exportToText", "filetocreate:" + file.getFullPathName());
    juce::FileOutputStream out (file);
    if (! out.openedOk())
        return -1;

    struct ShownColumn { juce::String name; };
    std::vector<ShownColumn> shown;
    if (browser.columns != nullptr)
    {
        auto& header = browser.tableList.getHeader();
        for (auto* column : browser.columns->getChildWithTagNameIterator ("COLUMN"))
        {
            const int id = column->getIntAttribute ("columnId", 0);
            if (header.getIndexOfColumnId (id, false) >= 0 && header.isColumnVisible (id))
                shown.push_back ({ column->getStringAttribute ("name") });
        }
    }

    auto writeLine = [&] (const juce::String& line, bool& converted) -> bool
    {
        const auto bytes = converter.convert (line.toRawUTF8(), line.getNumBytesAsUTF8());
        converted = ! bytes.empty() || line.isEmpty();
        if (! converted)
            return false;
        return out.write (bytes.data(), bytes.size());
    };

    if (withHeader)
    {
        juce::StringArray titles;
        for (const auto& c : shown)
            titles.add (browser.columnSpec.titleFor (c.name));
        bool converted = true;
        const bool written = writeLine (titles.joinIntoString (separator) + lineEnd, converted);
        if (! converted)
        {
            vlog ("PregledBaze::exportToText", "ERROR:failed to convert header text");
            return -3;
        }
        if (! written)
            vlog ("PregledBaze::exportToText", "ERROR:failed to export encoded header text");
    }

    int count = 0;
    if (auto* d = browser.getData())
        for (auto* row : d->getChildIterator())
        {
            if (row->getBoolAttribute ("deleted"))
                continue;
            juce::StringArray cells;
            for (const auto& c : shown)
            {
                auto justification = juce::Justification (juce::Justification::centred);
                auto text = browser.getTextForCell (row, c.name, justification);
                cells.add (text.isEmpty() ? emptyCellText : text);
            }
            bool converted = true;
            const bool written = writeLine (cells.joinIntoString (separator) + lineEnd, converted);
            if (! converted)
            {
                vlog ("PregledBaze::exportToText", "ERROR:failed to convert row text");
                continue;
            }
            if (! written)
            {
                vlog ("PregledBaze::exportToText", "ERROR:failed to export encoded row");
                continue;
            }
            if (converter.getReplacementCount() > 0)
                ++browser.exportChangedRows;
            ++count;
        }
    out.flush();
    return count;
}

bool BrowserExport::run()
{
    juce::FileChooser chooser (TRANS ("Choose a file to save..."), juce::File::getCurrentWorkingDirectory(), "*.txt", false);
    if (! chooser.browseForFileToSave (true))
        return true;
    const auto file = chooser.getResult().withFileExtension (".txt");
    const int result = browser.exportToText (file, 1, ";", "\r\n", {}, true);
    if (result >= 0)
    {
        auto message = TRANS ("Report exported to ") + file.getFullPathName();
        if (browser.exportChangedRows > 0)
            message << "\n" << TRANS ("Rows with characters that CP1250 lacks, written with ?: ") << browser.exportChangedRows;
        showMessageOK (vindoro::kIconInformation, TRANS ("Report export"), message, &browser);
    }
    else
    {
        showMessageOK (vindoro::kIconWarning, TRANS ("Report export"),
                       TRANS ("Problems occured when exporting report to ") + file.getFullPathName(), &browser);
    }
    return true;
}

