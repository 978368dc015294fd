#include "ui/WindowOps.h"

namespace zerb {

std::string_view ControlName(Control control) {
  switch (control) {
    case Control::buttLog: return "buttLog";
    case Control::stSiteDescr: return "stSiteDescr";
    case Control::stLogDescr: return "stLogDescr";
    case Control::editExt: return "editExt";
    case Control::editSkip: return "editSkip";
    case Control::editNewOverlap: return "editNewOverlap";
    case Control::cbHdrs: return "cbHdrs";
    case Control::cbNewOnly: return "cbNewOnly";
    case Control::cbxXML: return "cbxXML";
    case Control::rgDateTime: return "rgDateTime";
    case Control::rgSep: return "rgSep";
    case Control::rgTime: return "rgTime";
    case Control::buttConvert: return "buttConvert";
    case Control::buttExit: return "buttExit";
    case Control::cbxStyle: return "cbxStyle";
    case Control::buttExportShown: return "buttExportShown";
  }
  return {};
}

}  // namespace zerb
