<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="de_DE">
<context>
    <name>Nachschreiben</name>
    <message>
        <source>Nachschreiben</source>
        <translation>re-escribir</translation>
    </message>
    <message>
        <source>fertig</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>Wenn Du einen Fehler gefunden hast, kannst Du jetzt berichtigen</source>
        <translation>Si has encontrado algún error, lo puedes corregir ahora</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Einstellungen</source>
        <translation>Regulaciónes</translation>
    </message>
    <message>
        <source>Reaktion auf Fehler</source>
        <translation>Reacción en faltas</translation>
    </message>
    <message>
        <source>Text-Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Laufbahn</source>
        <translation>Cinta rodante</translation>
    </message>
    <message>
        <source>Nachschreiben</source>
        <translation>re-escribir</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>varios</translation>
    </message>
    <message>
        <source>keine unmittelbare Reaktion - Kontrolle mit Lesefinger</source>
        <translation>ninguna reacción inmediata - revisión con puntero</translation>
    </message>
    <message>
        <source>Fehler nicht annehmen</source>
        <translation>no aceptar faltas</translation>
    </message>
    <message>
        <source>falsche Buchstaben markieren</source>
        <translation>marcar letras incorrectas</translation>
    </message>
    <message>
        <source>bei einem Fehler Wort rot färben</source>
        <translation>colorear la palabra en rojo</translation>
    </message>
    <message>
        <source>bei einem Fehler Hintergrund rot färben</source>
        <translation>colorear el fondo en rojo</translation>
    </message>
    <message>
        <source>keine Reaktion</source>
        <translation>ninguna reacción</translation>
    </message>
    <message>
        <source>Bei Fehler Wort löschen</source>
        <translation>borrar la palabra</translation>
    </message>
    <message>
        <source>Lob</source>
        <translation>Alabanza</translation>
    </message>
    <message>
        <source>kein Lob</source>
        <translation>ninguna alabanza</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>praise given as a text</comment>
        <translation>texto de alabanza</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>Bildelemente</source>
        <translation>elementos de imagen</translation>
    </message>
    <message>
        <source>Wörter</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>group of the text&apos;s look</comment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Anzahl der Wörter:</source>
        <translation>Cantidad de palabras</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Tipo escritura</translation>
    </message>
    <message>
        <source>Farbe Auswahl</source>
        <translation>Color selección</translation>
    </message>
    <message>
        <source>speichern...</source>
        <translation>guardar</translation>
    </message>
    <message>
        <source>laden...</source>
        <translation>abrir</translation>
    </message>
    <message>
        <source>Einstellungen Laufbahn</source>
        <translation>Regulaciones para cinta rodarse</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Abstand:</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Geschwindigkeit Lesefinger:</source>
        <translation>Velocidad puntero</translation>
    </message>
    <message>
        <source>Farbe Lesefinger</source>
        <translation>Color puntero</translation>
    </message>
    <message>
        <source>Farbe Fehler</source>
        <translation>Color faltas</translation>
    </message>
    <message>
        <source>Farbe Vergleich</source>
        <translation>Color comparación</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>kein Vergleich (Diktatmodus)</source>
        <translation>ninguna comparación (dictado)</translation>
    </message>
    <message>
        <source>ganze Wortgruppe als Fehler speichern</source>
        <translation>guardar todo el groupo de palabras como falta</translation>
    </message>
    <message>
        <source>Kurzzeitdarstellung für Wörter</source>
        <translation>representación de palabras corta</translation>
    </message>
    <message>
        <source>für Wörter statt der Laufbahn Kurzzeitdarstellung verwenden</source>
        <translation>usar representación de palabras corta</translation>
    </message>
    <message>
        <source>Verzögerung:</source>
        <translation>Demora</translation>
    </message>
    <message>
        <source>Ausgelassene Zeichen / Fragen und Antworten</source>
        <translation>Signos que faltan / Pregunta y Respuesta</translation>
    </message>
    <message>
        <source>Zeichen für ausgelassenen Buchstaben:</source>
        <translation>Signos para letras que faltan</translation>
    </message>
    <message>
        <source>Zeichen für ausgelassenen Wortteil:</source>
        <translation>Signos para sílabas que faltan        </translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Lob</source>
        <translation>Muy Bien!!</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>Textabschnitt auswählen</source>
        <translation>Escoger una parte del texto</translation>
    </message>
</context>
<context>
    <name>TForm14</name>
    <message>
        <source>vergleichen</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>fertig</source>
        <translation>listo</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Achtung!</source>
        <translation>¡atención!</translation>
    </message>
</context>
<context>
    <name>TForm16</name>
    <message>
        <source>weiter</source>
        <translation>listo</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>&amp;Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Öffnen...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Speichern unter...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Text drucken</source>
        <comment>menu entry</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Druckereinstellungen...</source>
        <translation>Configurar impresión...</translation>
    </message>
    <message>
        <source>Info...</source>
        <translation>Información...</translation>
    </message>
    <message>
        <source>Programmende</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Schüler</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <source>Neu...</source>
        <translation>Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>zufällige Wortfolge</source>
        <translation>secuencia al azar</translation>
    </message>
    <message>
        <source>Fehleranzeige verstecken</source>
        <translation>esconder errores</translation>
    </message>
    <message>
        <source>Sonderzeichen nicht drucken</source>
        <translation>no imprimir signos especiales</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>alle Texte drucken...</source>
        <translation>Imprimir todos los textos</translation>
    </message>
    <message>
        <source>Textauswertung...</source>
        <translation>Análisis de texto (aleman)</translation>
    </message>
    <message>
        <source>Fehlerauswertung...</source>
        <translation>Análisis de las faltas (aleman)</translation>
    </message>
    <message>
        <source>1. Schritt: Übung laden / erstellen</source>
        <translation>1. paso: abrir/diseñar ejercicio </translation>
    </message>
    <message>
        <source>2. Schritt: Übung starten</source>
        <translation>2. paso: iniciar ejercicio</translation>
    </message>
    <message>
        <source>3. Schritt: Fehler ansehen</source>
        <translation>3. paso: ver faltas</translation>
    </message>
    <message>
        <source>alte Übungen des Schülers:</source>
        <translation>ejercicios antiguos del estudiante</translation>
    </message>
    <message>
        <source>Datei-Typ</source>
        <translation>tipo de ejercicio</translation>
    </message>
    <message>
        <source>Vorname des Schülers</source>
        <translation>nombre del estudiante</translation>
    </message>
    <message>
        <source>Eingabe optional</source>
        <translation>registro opcional</translation>
    </message>
    <message>
        <source>Orginal-Text</source>
        <translation>texto original</translation>
    </message>
    <message>
        <source>geschriebener Text</source>
        <translation>texto escrito</translation>
    </message>
    <message>
        <source>Schüler laden</source>
        <translation>abrir estudiante</translation>
    </message>
    <message>
        <source>neuer Schüler</source>
        <translation>nuevo estud.</translation>
    </message>
    <message>
        <source>Textbezogen</source>
        <translation>solo texto</translation>
    </message>
    <message>
        <source>Laufbahn starten</source>
        <translation>salir cinta rodante</translation>
    </message>
    <message>
        <source>Einstellungen...</source>
        <translation>regulaciones...</translation>
    </message>
    <message>
        <source>Wörter</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>Wortgruppen</source>
        <translation>grupos de palabras</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Fehler wiederholen mit:</source>
        <translation>repetir faltas con</translation>
    </message>
    <message>
        <source>Laufbahn</source>
        <translation>cinta rodante</translation>
    </message>
    <message>
        <source>Text laden</source>
        <translation>abrir texto</translation>
    </message>
    <message>
        <source>neuer Text</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>Text speichern</source>
        <translation>guardar</translation>
    </message>
    <message>
        <source>Text drucken</source>
        <comment>hint of the tool button</comment>
        <translation>imprimir</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Schrift</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Weiß auf Schwarz</source>
        <translation>blanco sobre negro</translation>
    </message>
    <message>
        <source>Gelb auf Blau</source>
        <translation>amarillo sobre azul</translation>
    </message>
    <message>
        <source>Rot auf Schwarz</source>
        <translation>rojo sobre negro</translation>
    </message>
    <message>
        <source>Weiß auf Grün</source>
        <translation>blanco sobre verde</translation>
    </message>
    <message>
        <source>Gelb auf Rot</source>
        <translation>amarillo sobre rojo</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Laufbahn II</source>
        <translation>Cinta rodante II</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Freie Software: Sie dürfen das Programm weitergeben und verändern unter der GNU General Public License, Version 3 oder später. Es kommt ohne jede Gewährleistung.</source>
        <translation>Software libre: puede redistribuirlo y modificarlo bajo la Licencia Pública General de GNU, versión 3 o posterior. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Lesen und Rechtschreiben üben:
Wörter, Wortgruppen und Texte lesen und aus dem Gedächtnis nachschreiben.</source>
        <translation>Practicar la lectura y la ortografía:
leer palabras, grupos de palabras y textos y escribirlos de memoria.</translation>
    </message>
    <message>
        <source>Für Schülerinnen und Schüler der Grundschule.</source>
        <translation>Para alumnas y alumnos de la escuela primaria.</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Texte drucken</source>
        <comment>window caption</comment>
        <translation>Imprimir todos los textos</translation>
    </message>
    <message>
        <source>Pfad eingeben:</source>
        <translation>Ruta de archivo:</translation>
    </message>
    <message>
        <source>Texte drucken</source>
        <comment>button</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
