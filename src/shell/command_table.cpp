#include "shell/command_table.h"

namespace {
const CommandRow kCommands[] = {
    {kCommandInstall, CommandOperation::Install},
    {kCommandProductPage, CommandOperation::OpenProductPage},
    {kCommandRegisterOnline, CommandOperation::RegisterOnline},
    {kCommandPrintRegistration, CommandOperation::PrintRegistration},
    {kCommandPrintSetup, CommandOperation::PrintSetup},
    {kCommandVendorSite, CommandOperation::OpenVendorSite},
    {kCommandProductPageToo, CommandOperation::OpenProductPage},
    {kCommandOrderOnline, CommandOperation::OpenOrderOnline},
    {kCommandOpenOrderForm, CommandOperation::OpenOrderForm},
    {kCommandPrintPurchase, CommandOperation::PrintPurchase},
    {kCommandPrintSetupToo, CommandOperation::PrintSetup},
    {kCommandExit, CommandOperation::EndRun},
    {kCommandQuit, CommandOperation::EndRun},
    {kCommandNothing, CommandOperation::Nothing},
};
}  // namespace

const CommandRow *FindCommand(unsigned command) {
  for (const CommandRow &row : kCommands)
    if (row.number == (command & 0xFFFF)) return &row;
  return nullptr;
}
