#include "partners/AjpesRecords.h"

std::vector<std::pair<const char*, juce::String>> AjpesIskanjeRecord::keyedValues() const
{
    return { { "naziv", naziv }, { "maticna", maticna }, { "davcna", davcna }, { "ulica", ulica },
             { "h_st", h_st },   { "naselje", naselje }, { "obcina", obcina }, { "posta", posta },
             { "dejavnost", dejavnost }, { "oblika", oblika } };
}
