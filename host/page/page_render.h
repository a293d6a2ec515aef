// A property page as a person sees it in the property dialog: its face, labels, text fields
// with their current texts, and its picture. One pixel per 15 twips.
#pragma once

#include "host/page/page_site.h"
#include "host/raster/image.h"

namespace qd::host {

// The open page of `site` at its design size; an empty image when no page is open.
Image render_page(const PageSite& site);

}  // namespace qd::host
