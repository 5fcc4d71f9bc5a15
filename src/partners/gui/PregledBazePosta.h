#pragma once
// The browser of post offices for the post-office chooser: every row of table `posta`, sorted and
// searched by the chooser's own column. The editing form carries the country column (hidden)
// so rows it adds can be stored, and a new row takes the home country. Owned by its window.
#include "widgets/PregledBaze.h"

class PregledBazePosta : public PregledBaze
{
public:
    /** `column` is "stevilka" or "ime": the column the rows are sorted and searched by. */
    PregledBazePosta (const juce::String& column, bool editable);
    ~PregledBazePosta() override;

    /** Asks for the post code and the name of a new post office and adds it as an inserted row
        of the home country; stored with Save. */
    bool insertAction() override;

    static const char* const selectSql;
    static const char* const editSql;
};
