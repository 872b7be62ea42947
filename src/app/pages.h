#pragma once

class QWidget;

// The tab pages that the main window builds itself; "Управление" comes from BuildKeysPage.
void BuildMainPage(QWidget* page);    // "Главные настройки"
void BuildExtraPage(QWidget* page);   // "Дополнительные настройки"
void BuildOutputPage(QWidget* page);  // "Готовый конфиг"
