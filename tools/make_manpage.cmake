# Writes the manual page of kvarzen-cli from the tool's own help texts, so that the
# page says what the built tool does. Run with -DCLI=<kvarzen-cli> -DOUT=<page.1>.

function(kvz_troff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  # A line that begins with "." or "'" would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE usage RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${CLI} --help failed")
endif()

# The command names: the lines of the "Команды:" block, first word each.
string(REGEX MATCH "Команды:\n(.*)\n\n" block "${usage}")
string(REPLACE "\n" ";" lines "${CMAKE_MATCH_1}")
set(commands)
foreach(line ${lines})
  if(line MATCHES "^  ([a-z][a-z0-9-]*)")
    list(APPEND commands ${CMAKE_MATCH_1})
  endif()
endforeach()
if(NOT commands)
  message(FATAL_ERROR "no commands in the help of ${CLI}")
endif()

set(page ".TH KVARZEN-CLI 1 \"\" \"Кварзен 2015\" \"Команды пользователя\"
.SH ИМЯ
kvarzen-cli \\- декларация 3-НДФЛ и 4-НДФЛ за 2015 год без окна программы
.SH СИНТАКСИС
.B kvarzen-cli
.I команда
.RI [ параметры ]
.br
.B kvarzen-cli
.I команда
.B \\-\\-help
.SH ОПИСАНИЕ
.B kvarzen-cli
работает с документами программы Кварзен 2015 (файлы .qz5) без окна: показывает
содержимое документа, создает документ из JSON, проверяет и рассчитывает
декларацию, выгружает XML-файл для налоговой службы, обновляет справочник инспекций
и курсы валют. Команды check и export принимают много документов за один запуск:
по строке на документ, документ с ошибкой не останавливает остальные.
Ошибки печатаются в stderr сообщениями программы, код выхода при этом ненулевой.
.SH КОМАНДЫ
")
foreach(command ${commands})
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${CLI} ${command} --help failed")
  endif()
  kvz_troff_escape("${help}" help)
  string(APPEND page ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
string(APPEND page ".SH ФАЙЛЫ
.TP
.I /usr/share/kvarzen/
файлы данных программы: схема формата налоговой службы, справочник инспекций
(InspectionNumbers.xml), страны (Oksm.xml), виды деятельности (Sp_OKVED2.xml),
курсы валют (CurrencyRates.xml), страницы справки и пример example.qz5. Программа,
запущенная из каталога сборки, берет эти файлы рядом с собой.
.SH ПРИМЕРЫ
.nf
kvarzen\\-cli check /usr/share/kvarzen/example.qz5
kvarzen\\-cli export \\-\\-to ~/xml ~/декларации/*.qz5 > выгрузка.txt
.fi
.SH СМ. ТАКЖЕ
.BR kvarzen (1)
\\- окно программы: kvarzen [ФАЙЛ.qz5]
")
file(WRITE ${OUT} "${page}")
