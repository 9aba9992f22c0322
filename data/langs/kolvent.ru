; Тексты интерфейса Kolvent: русский язык.
; DEFAULT содержит тексты всех окон; FORMCategories - подсказки окна
; категорий (его надписи берутся из DEFAULT).

[DEFAULT]
selshape=Щёлкните здесь, чтобы выбрать фигуру
noimage=НЕТ РИСУНКА
calculate=Вычислить
moreinfo=Подробнее >>
hideinfo=<< Скрыть
volume=Объём
perimeter=Периметр
area=Площадь
cpyvol=Копировать объём в буфер обмена
cpyperim=Копировать периметр в буфер обмена
cpyarea=Копировать площадь в буфер обмена
invalidshape=Введённые размеры не задают правильную фигуру.
checkcategory=Отметьте нужные категории
ok=ОК
cancel=Отмена
calculation=Вычисления
floatprecise=Десятичных знаков
decseparator=Разделитель
lang=Язык
dot=Точка (.)
comma=Запятая (,)
mnuSettings=&Настройки
mnuView=&Вид
mnuViewFlatAll=&Плоские фигуры...
mnuViewFlatCategories=&Категории плоских фигур...
mnuViewSolidAll=&Объёмные фигуры...
mnuViewSolidCategories=К&атегории объёмных фигур...
mnuHelp=&Справка
mnuHelpAbout=&О программе...
mnuQuit=В&ыход
frmSettings=Настройки
frmCategories=Категории
frmSelectImage=Выберите фигуру
frmAbout=О программе Kolvent
aboutversion=Версия %s
aboutnotice=Свободное ПО, лицензия MIT
aboutcomments=Пишите нам по адресу
precisionrange=Число знаков - от 0 до %1: пожалуйста, исправьте поле [ %s ]
noshapes=В отмеченных категориях нет фигур!

[FORMCategories]
lblCheckCategories=Отметьте одну или несколько категорий: будут показаны фигуры из всех отмеченных
scrCategories.hint=Категории фигур, которые сейчас на экране
btnOK.hint=Показать фигуры отмеченных категорий
btnCancel.hint=Закрыть, ничего не меняя
