#include "PageTexts.h"

#include <stdexcept>

std::vector<QString> PageTexts(const composer::RecordPage &page, const TextOverrides &overrides)
{
    std::vector<QString> texts;
    for (const composer::InputDecl &input : page.inputs)
        texts.push_back(ToQString(input.defaultText));
    for (const auto &[name, text] : overrides) {
        std::size_t i = 0;
        while (i < page.inputs.size() && ToQString(page.inputs[i].name) != name)
            ++i;
        if (i == page.inputs.size())
            throw std::invalid_argument("no input named " + name.toStdString());
        texts[i] = text;
    }
    return texts;
}

const composer::RecordPage &PageNamed(const QString &name)
{
    for (const composer::RecordPage *page : composer::RecordPages()) {
        if (ToQString(page->name) == name)
            return *page;
    }
    throw std::invalid_argument("no record page named " + name.toStdString());
}
