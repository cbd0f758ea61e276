// The build writes the product's name and the maker's contact into the program's records (the
// Windows version record and installer, the Debian package's metadata) from its own settings;
// the windows show them from their descriptions. Both must tell the user the same.
#include <gtest/gtest.h>

#include "runtime/scripted/test_window.h"
#include "ui/Form1/Form1_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace {

TEST(ProductIdentity, CalculatorWindowIsTitledWithTheProductName) {
  EXPECT_EQ(ui::frmcal::kDescription.properties.title, PELLOMAR_PRODUCT_NAME);
}

TEST(ProductIdentity, AboutWindowShowsTheMakersContact) {
  EXPECT_EQ(runtime::scripted::ControlNamed(ui::Form1::kDescription, "Label3").caption,
            PELLOMAR_CONTACT);
}

}  // namespace
