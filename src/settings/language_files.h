#pragma once
// The names of a disc's settings files for a language, and the code page
// their texts are written in: what the launcher and the disc checker share.

// "VelInst.0804.ini" and its terminator.
constexpr int kLanguageFileNameCapacity = 20;

// The settings files that may serve a display language (a Windows language
// id), in the order they are tried; returns how many (1 or 2). First the
// file of the language itself (VelInst.0407.ini), then that of its primary
// language (VelInst.07.ini); but Chinese in Simplified and in Traditional
// script never stand in for each other, so a Chinese language has no
// primary file: the Simplified ones (zh-CN 0804, zh-SG 1004) are served by
// VelInst.0804.ini, the Traditional ones (zh-TW 0404, zh-HK 0C04, zh-MO
// 1404) by VelInst.0404.ini.
int LanguageFileNames(unsigned short language, char (&names)[2][kLanguageFileNameCapacity]);

// False for a primary language whose file VelInst.PP.ini is never read.
bool PrimaryLanguageFileIsRead(unsigned primaryLanguage);

// The code page a settings value names: its number alone, 1 to 65535
// (blanks around it are gone when it is read); 0 for any other text.
unsigned ParseCodePage(const char *text);

// True for the code pages Windows runs programs that are not Unicode in
// (874, 932, 936, 949, 950, 1250-1258, 65001).
bool IsAnsiCodePage(unsigned codePage);
