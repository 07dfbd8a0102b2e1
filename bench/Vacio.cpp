// Unidad de arranque del ejecutable de medidas; los casos están en los demás ficheros.
