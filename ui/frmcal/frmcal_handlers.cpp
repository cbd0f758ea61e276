// The calculator window's handlers. Every engine button runs through RunOperation: read the
// three texts, apply the operation, then write back exactly the texts it sets, in order.
#include "ui/frmcal/frmcal_handlers.h"

#include "engine/operations.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/forms/runtime_error.h"

namespace ui::frmcal {
namespace {

using engine::Field;
using engine::Operation;

// The controls that hold the three display texts.
constexpr std::string_view kEntry = "txtnum";
constexpr std::string_view kAnswer = "lblans";
constexpr std::string_view kMarker = "LblSpc";

std::string_view ControlHolding(Field field) {
  switch (field) {
    case Field::Entry:
      return kEntry;
    case Field::Answer:
      return kAnswer;
    case Field::Marker:
      return kMarker;
  }
  return kEntry;
}

// All reads come before any write; a fault writes nothing, and a failed write stops the
// later ones, leaving the earlier ones in place.
void RunOperation(runtime::Window& window, Operation operation) {
  engine::DisplayTexts texts;
  texts.entry = runtime::GetTextChecked(window, kEntry);
  texts.answer = runtime::GetTextChecked(window, kAnswer);
  texts.marker = runtime::GetTextChecked(window, kMarker);

  const engine::Outcome outcome = engine::Apply(operation, texts);
  if (const auto* fault = std::get_if<engine::ArithmeticFault>(&outcome)) {
    throw runtime::RuntimeError(*fault);
  }
  const auto& result = std::get<engine::DisplayTexts>(outcome);
  for (const Field field : engine::WriteOrder(operation)) {
    runtime::SetTextChecked(window, ControlHolding(field), engine::TextOf(result, field));
  }
}

}  // namespace

void cmdsum_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Sum);
}

void cmdsub_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Subtract);
}

void cmdmul_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Multiply);
}

void cmddiv_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Divide);
}

void Cmdpersen_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Percent);
}

void cmdsq_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Power);
}

void cmdSqu_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Square);
}

void cmdcube_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Cube);
}

void cmdclr_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Clear);
}

void mnclear_Click(const runtime::ClickEvent& event) {
  RunOperation(event.window, Operation::Clear);
}

void mnexit_Click(runtime::Forms& forms, const runtime::ClickEvent& /*event*/) {
  forms.EndProgram();
}

void mnhelpme_Click(const runtime::ClickEvent& /*event*/) {}

void mnabout_Click(app::WindowRegistry& registry, const runtime::ClickEvent& /*event*/) {
  runtime::ShowChecked(registry.InstanceOf(app::WindowClass::Form1));
}

std::vector<runtime::Binding> Bindings(app::WindowRegistry& registry, runtime::Forms& forms) {
  return {
      {"cmdsum", cmdsum_Click},
      {"cmdsub", cmdsub_Click},
      {"cmdmul", cmdmul_Click},
      {"cmddiv", cmddiv_Click},
      {"Cmdpersen", Cmdpersen_Click},
      {"cmdsq", cmdsq_Click},
      {"cmdSqu", cmdSqu_Click},
      {"cmdcube", cmdcube_Click},
      {"cmdclr", cmdclr_Click},
      {"mnclear", mnclear_Click},
      {"mnexit", [&forms](const runtime::ClickEvent& event) { mnexit_Click(forms, event); }},
      {"mnhelpme", mnhelpme_Click},
      {"mnabout",
       [&registry](const runtime::ClickEvent& event) { mnabout_Click(registry, event); }},
  };
}

}  // namespace ui::frmcal
