#pragma once
// An in-memory form engine for the native tests: tests lay out the current
// template (its name, edit fields and radio groups) and the templates that
// VORM_Create opens; the fake records every call that changes something.
#include <map>
#include <string>
#include <vector>

#include "vorm.h"

struct FakeTemplate {
  std::string name;
  std::map<std::string, std::string> fields;       // edit field -> text
  std::map<int, std::string> radioSelections;      // group -> checked button's text
};

struct FormCreate {
  VORM_WINDOW owner;
  unsigned long flags;
  std::string path;
  int x;
  int y;
  int show;
};

struct FieldEdit {
  std::string field;
  std::string text;
};

struct ButtonSetting {
  int command;
  std::string caption;  // "(kept)" for NULL
  int enabled;
};

struct FakeForms {
  // Inputs (and the current state).
  bool templateOpen = false;  // no form window until a test opens one
  FakeTemplate current;
  std::map<std::string, FakeTemplate> templatesByPath;  // what VORM_Create opens

  // Records.
  std::vector<VORM_WINDOW> inits;
  std::vector<FormCreate> creates;
  std::vector<FieldEdit> edits;     // every VORM_SetEditText call, known field or not
  std::vector<std::string> reads;   // field names VORM_GetEditText was asked for
  std::vector<ButtonSetting> buttons;  // every VORM_SetCommandButton call
};

// The one instance the fake uses; ResetFakeForms() restores the defaults.
FakeForms &Forms();
void ResetFakeForms();

// Makes `name` the open template with the given fields, all other state kept.
void OpenFakeTemplate(const std::string &name,
                      const std::map<std::string, std::string> &fields);
