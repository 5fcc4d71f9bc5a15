#include "widgets/StatCore.h"

#include "core/Log.h"

using vindoro::vlog;

void StatCore::initMeasures (const TableColumnSpec& spec, juce::String& titleKey)
{
    if (spec.statColumns.isEmpty())
        return;
    measures.clear();

    for (int i = 0; i < spec.statColumns.size(); ++i)
    {
        const auto& text = spec.statColumns[i];
        vlog ("StatCore::initMeasures", "stats.name:" + text);
        const auto kind = spec.statKindAt (i);

        if (kind == StatKind::title)
        {
            titleKey = spec.prefix + "stats_" + text;
        }
        else if (kind == StatKind::dif || kind == StatKind::ratio)
        {
            const auto parts = juce::StringArray::fromTokens (text, ":", "");
            StatMeasure m;
            m.name = parts[0];
            m.kind = kind;
            vlog ("StatCore::initMeasures", "diff or ratio:stats.name:" + m.name);
            m.left = parts[1];
            m.right = parts[2];
            if (m.left.isEmpty() || m.right.isEmpty())
            {
                vlog ("StatCore::initMeasures", "ERROR: column name:" + m.name + " is S_ratio or S_dif  and need two arguments");
                continue;
            }
            measures.add (m);
        }
        else if (kind == StatKind::label || kind == StatKind::sum || kind == StatKind::avg || kind == StatKind::min
                 || kind == StatKind::max)
        {
            StatMeasure m;
            m.name = text;
            m.kind = kind;
            measures.add (m);
        }
    }
}

void StatCore::resetValues()
{
    for (auto& m : measures)
    {
        m.sum = 0.0;
        m.extreme = 0.0;
        m.count = 0;
    }
}

void StatCore::addRow (const juce::XmlElement* row)
{
    if (measures.isEmpty() || row == nullptr || row->getBoolAttribute ("deleted") || row->getBoolAttribute ("ign_stats"))
        return;

    for (auto& m : measures)
    {
        const double value = row->getStringAttribute (m.name).getDoubleValue();
        switch (m.kind)
        {
            case StatKind::sum:
            case StatKind::avg:
                m.sum += value;
                ++m.count;
                break;
            case StatKind::min:
                if (m.count == 0 || value < m.extreme) m.extreme = value;
                ++m.count;
                break;
            case StatKind::max:
                if (m.count == 0 || value > m.extreme) m.extreme = value;
                ++m.count;
                break;
            default:
                break;
        }
    }
}

void StatCore::writeStats (juce::XmlElement& target)
{
    if (measures.isEmpty())
        return;

    juce::Array<int> ratios, difs;
    for (int i = 0; i < measures.size(); ++i)
    {
        const auto& m = measures.getReference (i);
        switch (m.kind)
        {
            case StatKind::sum: target.setAttribute (m.name, m.sum); break;
            case StatKind::avg: target.setAttribute (m.name, m.count == 0 ? 0.0 : m.sum / m.count); break;
            case StatKind::min:
            case StatKind::max: target.setAttribute (m.name, m.extreme); break;
            case StatKind::ratio: ratios.add (i); break;
            case StatKind::dif: difs.add (i); break;
            default: break;
        }
    }
    for (int i : ratios) updateRatio (i, target);
    for (int i : difs) updateDif (i, target);
}

StatMeasure& StatCore::getStats (const juce::String& name)
{
    for (auto& m : measures)
        if (m.name == name)
            return m;
    vlog ("StatCore::getStats", "FATAL ERROR");
    emptyMeasure = StatMeasure();
    return emptyMeasure;
}

int StatCore::getIndexOfStats (const juce::String& name) const
{
    for (int i = 0; i < measures.size(); ++i)
        if (measures.getReference (i).name == name)
            return i;
    vlog ("StatCore::getIndexOfStats", "FATAL ERROR");
    return -1;
}

bool StatCore::hasStats (const juce::String& name) const
{
    for (const auto& m : measures)
        if (m.name == name)
            return true;
    return false;
}

bool StatCore::updateRatio (int index, juce::XmlElement& target)
{
    juce::Array<int> inProgress;
    updateComposite (index, target, StatKind::ratio, inProgress);
    return true;
}

bool StatCore::updateDif (int index, juce::XmlElement& target)
{
    juce::Array<int> inProgress;
    updateComposite (index, target, StatKind::dif, inProgress);
    return true;
}

bool StatCore::updateComposite (int index, juce::XmlElement& target, StatKind wantedKind, juce::Array<int>& inProgress)
{
    const juce::String method = wantedKind == StatKind::ratio ? "StatCore::updateRatio" : "StatCore::updateDif";
    if (! juce::isPositiveAndBelow (index, measures.size()))
    {
        vlog (method, "ERROR: wrong index:" + juce::String (index));
        return false;
    }
    const StatMeasure m = measures.getReference (index);
    if (m.kind != wantedKind || m.left.isEmpty() || m.right.isEmpty())
        return true;
    if (inProgress.contains (index))
    {
        vlog (method, "ERROR: measure " + m.name + " refers back to itself through its operands");
        return false;
    }
    inProgress.add (index);

    // Operands that are composites themselves (of either kind) are brought up to date first.
    auto bringUpToDate = [&] (const juce::String& operand, const char* which) -> bool
    {
        const int i = getIndexOfStats (operand);
        if (i < 0)
        {
            vlog (method, juce::String ("ERROR: probably typo of ") + which + " name:" + operand);
            return false;
        }
        const auto k = measures.getReference (i).kind;
        if (k == StatKind::ratio || k == StatKind::dif)
        {
            if (inProgress.contains (i))
            {
                vlog (method, "ERROR: measure " + m.name + " refers back to itself through " + operand);
                return false;
            }
            return updateComposite (i, target, k, inProgress);
        }
        return true;
    };

    const bool computed = bringUpToDate (m.left, "arg1") && bringUpToDate (m.right, "arg2");
    if (computed)
    {
        const double a = target.getStringAttribute (m.left).getDoubleValue();
        const double b = target.getStringAttribute (m.right).getDoubleValue();
        if (wantedKind == StatKind::ratio)
            target.setAttribute (m.name, b == 0.0 ? 0.0 : a / b);
        else
            target.setAttribute (m.name, a - b);
    }
    inProgress.removeFirstMatchingValue (index);
    return computed;
}
