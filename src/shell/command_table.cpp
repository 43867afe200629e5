#include "shell/command_table.h"


namespace {
const CommandRow kCommands[] = {
    {kCommandInstall, CommandOperation::Install, nullptr},
    {kCommandProductPage, CommandOperation::OpenProductPage, nullptr},
    {kCommandRunProduct, CommandOperation::RunProduct, &kGeneralUninstallEntry},
    {kCommandModifyProduct, CommandOperation::ModifyProduct, &kGeneralUninstallEntry},
    {kCommandUninstallProduct, CommandOperation::UninstallProduct, &kGeneralUninstallEntry},
    {kCommandRegisterOnline, CommandOperation::RegisterOnline, nullptr},
    {kCommandPrintRegistration, CommandOperation::PrintRegistration, nullptr},
    {kCommandPrintSetup, CommandOperation::PrintSetup, nullptr},
    {kCommandVendorSite, CommandOperation::OpenVendorSite, nullptr},
    {kCommandProductPageToo, CommandOperation::OpenProductPage, nullptr},
    {kCommandOrderOnline, CommandOperation::OpenOrderOnline, nullptr},
    {kCommandOpenOrderForm, CommandOperation::OpenOrderForm, nullptr},
    {kCommandPrintPurchase, CommandOperation::PrintPurchase, nullptr},
    {kCommandPrintSetupToo, CommandOperation::PrintSetup, nullptr},
    {kCommandFirstDocument, CommandOperation::OpenDocument, &kDocuments[0]},
    {kCommandFirstDocument + 1, CommandOperation::OpenDocument, &kDocuments[1]},
    {kCommandFirstDocument + 2, CommandOperation::OpenDocument, &kDocuments[2]},
    {kCommandFirstDocument + 3, CommandOperation::OpenDocument, &kDocuments[3]},
    {kCommandFirstDocument + 4, CommandOperation::OpenDocument, &kDocuments[4]},
    {kCommandFirstDocument + 5, CommandOperation::OpenDocument, &kDocuments[5]},
    {kCommandFirstDocument + 6, CommandOperation::OpenDocument, &kDocuments[6]},
    {kCommandFirstDocument + 7, CommandOperation::OpenDocument, &kDocuments[7]},
    {kCommandExit, CommandOperation::EndRun, nullptr},
    {kCommandQuit, CommandOperation::EndRun, nullptr},
    {kCommandNothing, CommandOperation::Nothing, nullptr},
};
}  // namespace

const CommandRow *FindCommand(unsigned command) {
  for (const CommandRow &row : kCommands)
    if (row.number == (command & 0xFFFF)) return &row;
  return nullptr;
}
