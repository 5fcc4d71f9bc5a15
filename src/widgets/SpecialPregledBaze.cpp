#include "widgets/SpecialPregledBaze.h"
#include "core/Log.h"

SpecialPregledBaze::SpecialPregledBaze (const juce::String& query, juce::int32 editable)
    : PregledBaze (query, editable != 0, TableColumnSpec())
{
    auto& header = getTable().getHeader();

    if (auto* cols = getColumns())
    {
        int number = 0;
        for (auto* column : cols->getChildWithTagNameIterator ("COLUMN"))
        {
            ++number;
            const auto sourceName = column->getStringAttribute ("org_name");
            vindoro::vlog ("SpecialPregledBaze::SpecialPregledBaze", juce::String::formatted ("here %d %s", number, sourceName.toRawUTF8()));

            // The source name, so an aliased key column is hidden too.
            if (sourceName == "id" || sourceName == "active")
            {
                if (header.isColumnVisible (number))
                {
                    header.setColumnVisible (number, false);
                    header.resized();
                }
            }
            else
            {
                vindoro::vlog ("SpecialPregledBaze::SpecialPregledBaze", "doesnt contains");
            }
        }
    }

    header.setStretchToFitActive (true);
}

SpecialPregledBaze::~SpecialPregledBaze() = default;
