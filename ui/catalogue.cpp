// The catalogue of window classes, in the order of app::WindowClass.
#include "ui/catalogue.h"

#include "ui/Form1/Form1_description.h"
#include "ui/Form1/Form1_handlers.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"
#include "ui/frmcal/frmcal_handlers.h"

namespace ui {
namespace {

// The details window reacts to no click.
std::vector<runtime::Binding> NoBindings(app::WindowRegistry& /*registry*/,
                                         runtime::Forms& /*forms*/) {
  return {};
}

}  // namespace

const app::Catalogue& WindowClasses() {
  static const app::Catalogue kCatalogue = {{
      {&frmcal::kDescription, frmcal::Bindings},
      {&Form1::kDescription, Form1::Bindings},
      {&Form2::kDescription, NoBindings},
  }};
  return kCatalogue;
}

}  // namespace ui
