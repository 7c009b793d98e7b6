#pragma once

#include "evaluation/report/Band.h"
#include "evaluation/report/PageSetup.h"

#include <QString>

#include <vector>

// What a report prints, before it is laid out on pages. Empty bands are left out.
struct ReportDefinition {
    QString name; // document title and suggested file name
    PageSetup page;
    Band pageHeader;   // top of every page
    Band title;        // first page only, below the page header
    Band columnHeader; // every page, above the details
    std::vector<Band> details;
    Band summary;    // after the last detail
    std::vector<Band> closing; // sections after the summary, flowing onto further pages
    Band pageFooter; // bottom of every page
};
