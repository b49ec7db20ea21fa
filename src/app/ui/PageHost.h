#pragma once

#include "app/ui/Pages.h"

class QWidget;

// The frame as the application's own pages see it. Pages never include the
// frame: a page that leads elsewhere asks its host, which unloads every page
// (the asking one only after its handler has returned) and shows the next.
// Pages below the application do not see it: the page table wires where
// they lead.
class PageHost
{
public:
    // Returns what is in front afterwards; nullptr when nothing opened.
    virtual QWidget *open(PageCommand command) = 0;

protected:
    ~PageHost() = default;
};
