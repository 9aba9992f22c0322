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
frmWorking=Ход решения
working=Ход решения
workinghint=Как получаются результаты, шаг за шагом (F4)
mnuWorking=&Ход решения...
copyworking=Копировать ход решения
close=Закрыть
worknoshape=Выберите фигуру, чтобы увидеть, как получаются её результаты.
workgiven=Дано
worksurface=Площадь полной поверхности
workheight=Высота к стороне %1
workside=Сторона %1
worklateral=Боковая поверхность (%1)
workbase=Площадь основания (%1)
workbaseperimeter=Периметр основания (%1)
workradius=Радиус %1 шара, от которого отсечён сегмент
workellint=E(k): полный эллиптический интеграл второго рода, ∫ √(1 − k² · sin² θ) dθ от 0 до π/2
workellinc=F(φ, k) и E(φ, k): неполные эллиптические интегралы первого и второго рода, ∫ dθ / √(1 − k² · sin² θ) и ∫ √(1 − k² · sin² θ) dθ от 0 до φ
workdoesnothold=не выполняется
worksideswhole=%1 должно быть целым числом ≥ 3
worktoolarge=значение больше наибольшего числа, доступного калькулятору
workrefused=Введённые размеры не образуют фигуру:

[FORMCategories]
lblCheckCategories=Отметьте одну или несколько категорий: будут показаны фигуры из всех отмеченных
scrCategories.hint=Категории фигур, которые сейчас на экране
btnOK.hint=Показать фигуры отмеченных категорий
btnCancel.hint=Закрыть, ничего не меняя
